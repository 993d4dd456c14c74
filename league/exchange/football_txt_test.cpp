#include "league/exchange/football_txt.h"

#include <gtest/gtest.h>

namespace league::exchange {
namespace {

std::vector<std::string> problems(const SeasonReading& reading) {
  std::vector<std::string> out;
  for (const Diagnostic& problem : reading.problems) out.push_back(describe(problem));
  return out;
}

TEST(FootballTxt, ReadsRoundsDatesTimesScoresAndMarkers) {
  const SeasonReading reading = read_football_txt(
      "= Test League 2019/20\n"
      "# Teams 4   (a comment)\n"
      "\n"
      "Matchday 17\n"
      "[Sun Dec/29]\n"
      "  15.00  Burnley FC    0-3 (0-2)  Manchester City\n"
      "         Crystal Palace  1-1  Arsenal FC   # no half time\n"
      "Matchday 18\n"
      "Wed Jan 1\n"
      "  20:00  Arsenal FC  -  Burnley FC\n"
      "  Manchester City  -  Crystal Palace  [postponed]\n"
      "Sat Jan/4 2020\n"
      "  12.30  Burnley FC  3-0  Crystal Palace  [awarded]\n",
      "s.txt");
  ASSERT_EQ(problems(reading), std::vector<std::string>{});
  EXPECT_EQ(reading.season.name, "Test League 2019/20");
  const auto& m = reading.season.matches;
  ASSERT_EQ(m.size(), 5u);
  EXPECT_EQ(m[0].round_label, "Matchday 17");
  EXPECT_EQ(m[0].round, 17);
  EXPECT_EQ(m[0].date, (CalendarDate{2019, 12, 29}));
  EXPECT_EQ(m[0].time, (ClockTime{15, 0}));
  EXPECT_EQ(m[0].home, "Burnley FC");
  EXPECT_EQ(m[0].away, "Manchester City");
  EXPECT_EQ(m[0].full_time, (Score{0, 3}));
  EXPECT_EQ(m[0].half_time, (Score{0, 2}));
  EXPECT_EQ(m[0].line, 6u);
  // The time carries over to the next match under the same date line.
  EXPECT_EQ(m[1].time, (ClockTime{15, 0}));
  EXPECT_EQ(m[1].away, "Arsenal FC");
  EXPECT_FALSE(m[1].half_time);
  // The year turns with the season: Wed Jan 1 is in 2020.
  EXPECT_EQ(m[2].date, (CalendarDate{2020, 1, 1}));
  EXPECT_EQ(m[2].round, 18);
  EXPECT_EQ(m[2].status, MatchStatus::unplayed);
  EXPECT_FALSE(m[2].full_time);
  EXPECT_EQ(m[3].status, MatchStatus::postponed);
  EXPECT_EQ(m[3].time, (ClockTime{20, 0}));
  EXPECT_EQ(m[4].status, MatchStatus::awarded);
  EXPECT_EQ(m[4].full_time, (Score{3, 0}));
}

TEST(FootballTxt, ReadsTheNewerLayoutWithTheScoreLast) {
  const SeasonReading reading = read_football_txt(
      "= League 2023/24\n"
      "\xE2\x96\xAA Matchday 1\n"
      "  Fri Aug 11\n"
      "    20.00  Burnley FC  v Manchester City FC   0-3 (0-2)\n"
      "    12.30  Arsenal FC  v  Nottingham Forest  2-1\n"
      "           Everton FC  v Fulham FC\n",
      "new.txt");
  ASSERT_EQ(problems(reading), std::vector<std::string>{});
  const auto& m = reading.season.matches;
  ASSERT_EQ(m.size(), 3u);
  EXPECT_EQ(m[0].round_label, "Matchday 1");
  EXPECT_EQ(m[0].round, 1);
  EXPECT_EQ(m[0].date, (CalendarDate{2023, 8, 11}));
  EXPECT_EQ(m[0].away, "Manchester City FC");
  EXPECT_EQ(m[0].half_time, (Score{0, 2}));
  EXPECT_EQ(m[1].home, "Arsenal FC");
  EXPECT_EQ(m[1].away, "Nottingham Forest");
  EXPECT_EQ(m[1].full_time, (Score{2, 1}));
  EXPECT_EQ(m[2].away, "Fulham FC");
  EXPECT_EQ(m[2].status, MatchStatus::unplayed);
}

TEST(FootballTxt, WeekdayPicksTheYear) {
  // A season within one year: 2024-03-09 is a Saturday, 2023-03-09 not.
  const SeasonReading reading = read_football_txt(
      "= Summer League 2024\nRound 1\n[Sat Mar/9]\n  A  1-0  B\n[Mon Dec/30]\n  B  0-0  A\n",
      "y.txt");
  ASSERT_EQ(problems(reading), std::vector<std::string>{});
  EXPECT_EQ(reading.season.matches.at(0).date, (CalendarDate{2024, 3, 9}));
  EXPECT_EQ(reading.season.matches.at(1).date, (CalendarDate{2024, 12, 30}));
}

TEST(FootballTxt, BrokenLinesAreNamedByLine) {
  const SeasonReading reading = read_football_txt(
      "= Broken 2019/20\n"
      "  A  1-0  B\n"
      "[Sat Aug/10]\n"
      "  Burnley FC 0-3 Manchester City\n"
      "  A  1:x  B\n"
      "  A  1-0  B  [cancelled]\n"
      "  A  -  B  [awarded]\n"
      "[Fri Aug/10 2019]\n"
      "  A  1-0  A\n",
      "b.txt");
  EXPECT_EQ(problems(reading),
            (std::vector<std::string>{
                "b.txt:2: a match before any date line",
                "b.txt:4: a match line needs home team, score (or \"-\") and away team apart by "
                "two blanks",
                "b.txt:5: \"1:x\" is no score (H-A, H-A (H-A) or -)",
                "b.txt:6: unknown marker [cancelled] (known: postponed, awarded, abandoned)",
                "b.txt:7: a match awarded without a full-time score",
                "b.txt:8: Aug 10 2019 is no such day with that weekday",
            }));
}

}  // namespace
}  // namespace league::exchange
