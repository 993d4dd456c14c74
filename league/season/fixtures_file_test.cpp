#include "league/season/fixtures_file.h"

#include <gtest/gtest.h>

namespace league {
namespace {

std::vector<std::string> described(const std::vector<Diagnostic>& diagnostics) {
  std::vector<std::string> lines;
  for (const Diagnostic& diagnostic : diagnostics) lines.push_back(describe(diagnostic));
  return lines;
}

TEST(FixturesFile, ReadsRoundsWithTheirDatesTimesAndMatchLines) {
  const auto reading = read_fixtures(
      "# comment lines and blank lines are ignored\r\n"
      "Round 1 2027-08-14\r\n"
      "Ashford - Fenwick\r\n"
      "\t Glenvale   -  Elmfield \r\n"
      "\r\n"
      "  # an indented comment\n"
      "Round 2 2028-02-29 19:45\n"
      "Fenwick - Glenvale\n"
      "Round 3\n");
  EXPECT_TRUE(reading.diagnostics.empty());
  const auto& rounds = reading.fixtures.rounds;
  ASSERT_EQ(rounds.size(), 3u);
  EXPECT_EQ(rounds[0].date, (Date{2027, 8, 14}));
  EXPECT_FALSE(rounds[0].time);
  ASSERT_EQ(rounds[0].matches.size(), 2u);
  EXPECT_EQ(rounds[0].matches[1].home, "Glenvale");
  EXPECT_EQ(rounds[0].matches[1].away, "Elmfield");
  EXPECT_EQ(rounds[0].matches[1].line, 4u);
  EXPECT_EQ(rounds[1].line, 7u);
  EXPECT_EQ(rounds[1].time, (TimeOfDay{19, 45}));
  EXPECT_FALSE(rounds[2].date);
  EXPECT_TRUE(rounds[2].matches.empty());

  // What the writer makes of it reads back the same.
  const auto again = read_fixtures(format_fixtures(reading.fixtures, "drawn\nby hand"));
  EXPECT_TRUE(again.diagnostics.empty());
  EXPECT_EQ(format_fixtures(again.fixtures), format_fixtures(reading.fixtures));
  EXPECT_EQ(format_fixtures(reading.fixtures, "two\nlines").substr(0, 25),
            "# two\n# lines\n\nRound 1 20");
}

TEST(FixturesFile, LinesThatDoNotReadAreReportedWithTheirLineNumbers) {
  const auto reading = read_fixtures(
      "Ashford - Fenwick\n"
      "Round\n"
      "Round one 2027-08-14\n"
      "Glenvale - Elmfield\n"
      "Round 3 2027-02-29\n"
      "Round 4 2027-13-01 15:00\n"
      "Round 5 15:00\n"
      "Round 6 2027-09-04 24:00\n"
      "Round 7 2027-09-11 15:00 sharp\n"
      "Ashford-Fenwick\n"
      "Ashford - Fenwick - Glenvale\n"
      "Ashford v Fenwick\n");
  EXPECT_EQ(described(reading.diagnostics),
            (std::vector<std::string>{
                "fixtures.txt:1: a match before the first Round line",
                "fixtures.txt:2: a Round line needs its number: Round N [YYYY-MM-DD [HH:MM]]",
                "fixtures.txt:3: round number one is not a whole number from 1 up",
                "fixtures.txt:5: 2027-02-29 is not a date: February 2027 has 28 days",
                "fixtures.txt:6: 2027-13-01 is not a date: months run from 01 to 12",
                "fixtures.txt:7: the time 15:00 needs the round's date before it: Round N "
                "[YYYY-MM-DD [HH:MM]]",
                "fixtures.txt:8: 24:00 is not a time HH:MM from 00:00 to 23:59",
                "fixtures.txt:9: unexpected sharp after the round's time",
                "fixtures.txt:10: expected HOME - AWAY, with blanks around the dash",
                "fixtures.txt:11: more than one dash standing alone: HOME - AWAY has one, between "
                "the teams",
                "fixtures.txt:12: expected Round N [YYYY-MM-DD [HH:MM]] or HOME - AWAY",
            }));
  // Rounds whose number does not read follow on from the one before; the
  // rest keep what did read.
  const auto& rounds = reading.fixtures.rounds;
  ASSERT_EQ(rounds.size(), 7u);
  EXPECT_EQ(rounds[1].number, 2);
  EXPECT_EQ(rounds[1].date, (Date{2027, 8, 14}));
  EXPECT_EQ(rounds[1].matches.size(), 1u);
  EXPECT_EQ(rounds[5].date, (Date{2027, 9, 4}));
  EXPECT_FALSE(rounds[5].time);
}

TEST(FixturesFile, NamesWithBlanksReadInEitherFormAndAreWrittenAsWritten) {
  const std::vector<std::string> table = {"St_Mary's", "Bridge_Inn_FC", "Tower_Hamlets_2",
                                          "Kings_Lynn_Town"};
  const auto reading = read_fixtures(
      "Round 1\n"
      "St Mary's  -  Bridge Inn FC\n"
      "Round 2\n"
      "Tower_Hamlets_2 - St Mary's\n"
      "Bridge Inn - Kings Lynn Town\n");
  ASSERT_TRUE(reading.diagnostics.empty());
  const auto& rounds = reading.fixtures.rounds;
  EXPECT_EQ(rounds[0].matches[0].home, "St_Mary's");
  EXPECT_EQ(rounds[0].matches[0].away, "Bridge_Inn_FC");
  EXPECT_EQ(described(check_fixtures(reading.fixtures, table)),
            (std::vector<std::string>{"fixtures.txt:5: Bridge Inn is not a team of table.txt; "
                                      "did you mean Bridge Inn FC?"}));
  EXPECT_EQ(format_fixtures(reading.fixtures),
            "Round 1\nSt Mary's - Bridge Inn FC\n\nRound 2\nTower Hamlets 2 - St Mary's\n"
            "Bridge Inn - Kings Lynn Town\n");
}

TEST(FixturesFile, ANameWhoseWordsWouldReadAsPartOfTheLineIsWrittenInTheStoredForm) {
  Fixtures fixtures;
  fixtures.rounds.push_back({1, {}, {}, {}, 0});
  for (const char* name : {"Elm_-_Vale", "Old_@_Vale", "Vale_(void)", "Vale_postponed",
                           "Vale_2027-08-14", "Vale_15:00"})
    fixtures.rounds[0].matches.push_back({"Ashford", name});
  const auto again = read_fixtures(format_fixtures(fixtures));
  ASSERT_TRUE(again.diagnostics.empty());
  for (std::size_t k = 0; k < fixtures.rounds[0].matches.size(); ++k) {
    const FixtureMatch& match = again.fixtures.rounds[0].matches[k];
    EXPECT_EQ(match.away, fixtures.rounds[0].matches[k].away);
    EXPECT_TRUE(match.venue.empty() && !match.is_void && !match.postponed && !match.date);
  }
}

TEST(FixturesFile, AMatchLineCarriesItsOwnDateKickOffPostponementAndVenue) {
  const auto reading = read_fixtures(
      "Round 1 2027-02-13 14:30\n"
      "Marsh Lane - Kings Lynn Town 2027-02-24 19:45 @ The Walks, King's Lynn\n"
      "Glenvale - Elmfield POSTPONED\n"
      "Carrow - Dunmore 2027-02-17\n"
      "Harwood - Kestrel @ Kestrel Park\n"
      "Lowther - Marston @\n");
  EXPECT_EQ(described(reading.diagnostics),
            (std::vector<std::string>{"fixtures.txt:6: a venue's name after @"}));
  const auto& matches = reading.fixtures.rounds.at(0).matches;
  ASSERT_EQ(matches.size(), 5u);
  EXPECT_EQ(matches[0].away, "Kings_Lynn_Town");
  EXPECT_EQ(matches[0].date, (Date{2027, 2, 24}));
  EXPECT_EQ(matches[0].time, (TimeOfDay{19, 45}));
  EXPECT_EQ(matches[0].venue, "The Walks, King's Lynn");
  EXPECT_TRUE(matches[1].postponed);
  EXPECT_EQ(matches[1].away, "Elmfield");
  EXPECT_FALSE(matches[2].time);
  EXPECT_EQ(matches[3].venue, "Kestrel Park");
  EXPECT_FALSE(matches[3].date);
  // Written back, each line reads the same.
  const auto again = read_fixtures(format_fixtures(reading.fixtures));
  EXPECT_TRUE(again.diagnostics.empty());
  EXPECT_EQ(format_fixtures(again.fixtures), format_fixtures(reading.fixtures));
  EXPECT_EQ(match_line(matches[1]), "Glenvale - Elmfield postponed");
  // A name whose last word would read as the match's own stays one word.
  const FixtureMatch odd{"Old_Boys", "Rovers_Postponed", 0};
  EXPECT_EQ(match_line(odd), "Old Boys - Rovers_Postponed");
  EXPECT_EQ(read_fixtures("Round 1\n" + match_line(odd)).fixtures.rounds[0].matches[0].away,
            "Rovers_Postponed");

  // A match moved: only its line changes, its line end kept.
  FixtureMatch moved = matches[1];
  moved.postponed = false;
  moved.date = Date{2027, 3, 2};
  EXPECT_EQ(with_match_line("Round 1\r\n# kept\r\nGlenvale  -  Elmfield\r\nA - B", 3, moved),
            "Round 1\r\n# kept\r\nGlenvale - Elmfield 2027-03-02\r\nA - B");
}

TEST(FixturesFile, CheckReportsTeamsAndRoundsThatAreWrong) {
  const std::vector<std::string> table = {"Ashford", "Elmfield", "Fenwick", "Glenvale"};
  const auto reading = read_fixtures(
      "Round 1\n"
      "Ashford - Fenwik\n"
      "Glenvale - Glenvale\n"
      "Round 3\n"
      "Ashford - Elmfield\n"
      "Fenwick - Ashford\n"
      "Round 2\n"
      "Ashford - Elmfield\n"
      "Zebra - Fenwick\n");
  ASSERT_TRUE(reading.diagnostics.empty());
  EXPECT_EQ(described(check_fixtures(reading.fixtures, table)),
            (std::vector<std::string>{
                "fixtures.txt:2: Fenwik is not a team of table.txt; did you mean Fenwick?",
                "fixtures.txt:3: Glenvale plays against itself",
                "fixtures.txt:4: Round 3 follows Round 1: rounds run 1, 2, 3, ... in order",
                "fixtures.txt:6: Ashford plays twice in round 3 (also on line 5)",
                "fixtures.txt:7: Round 2 follows Round 3: rounds run 1, 2, 3, ... in order",
                "fixtures.txt:8: Ashford - Elmfield is already on line 5",
                "fixtures.txt:9: Zebra is not a team of table.txt",
            }));
  EXPECT_EQ(described(check_fixtures(read_fixtures("Round 2\n").fixtures, table)),
            (std::vector<std::string>{
                "fixtures.txt:1: Round 2 is the first round: rounds run 1, 2, 3, ... in order"}));
}

TEST(FixturesFile, AVoidMatchKeepsItsPlaceAndMayNameAClubGoneFromTheTable) {
  const auto reading = read_fixtures(
      "Round 1\n"
      "Ashford - Carrow  (void)\r\n"
      "Fenwick - Elmfield\n");
  EXPECT_TRUE(reading.diagnostics.empty());
  const auto& matches = reading.fixtures.rounds.at(0).matches;
  ASSERT_EQ(matches.size(), 2u);
  EXPECT_TRUE(matches[0].is_void);
  EXPECT_EQ(matches[0].away, "Carrow");
  EXPECT_FALSE(matches[1].is_void);
  EXPECT_TRUE(check_fixtures(reading.fixtures, {"Ashford", "Elmfield", "Fenwick"}).empty());
  EXPECT_EQ(format_fixtures(reading.fixtures),
            "Round 1\nAshford - Carrow (void)\nFenwick - Elmfield\n");
}

TEST(CivilDates, OnlyRealDaysReadAndDayCountsRunBothWays) {
  EXPECT_TRUE(parse_date("2028-02-29"));
  EXPECT_TRUE(parse_date("2000-02-29"));
  EXPECT_FALSE(parse_date("2100-02-29"));
  EXPECT_FALSE(parse_date("2027-04-31"));
  EXPECT_FALSE(parse_date("2027-00-10"));
  EXPECT_FALSE(parse_date("0000-01-01"));
  EXPECT_FALSE(parse_date("2027-8-14"));
  EXPECT_FALSE(parse_date("+027-08-14"));
  EXPECT_FALSE(parse_time("7:30"));
  EXPECT_FALSE(parse_time("12:60"));

  EXPECT_EQ(days_since_epoch(Date{1970, 1, 1}), 0);
  EXPECT_EQ(days_since_epoch(Date{2000, 3, 1}), 11017);
  EXPECT_EQ(days_since_epoch(Date{1, 1, 1}), -719162);
  // Every day of two full 400-year cycles of leap years follows the one before.
  Date expected{1600, 1, 1};
  for (std::int64_t day = days_since_epoch(expected); expected.year < 2400; ++day) {
    const auto date = date_from_days(day);
    ASSERT_TRUE(date && *date == expected) << day;
    ASSERT_EQ(days_since_epoch(*date), day);
    const auto next =
        parse_date(format_date(Date{expected.year, expected.month, expected.day + 1}));
    expected = next ? *next
                    : parse_date(format_date(Date{expected.year, expected.month + 1, 1}))
                          .value_or(Date{expected.year + 1, 1, 1});
  }
  EXPECT_EQ(date_from_days(days_since_epoch(Date{9999, 12, 31})), (Date{9999, 12, 31}));
  EXPECT_FALSE(date_from_days(days_since_epoch(Date{9999, 12, 31}) + 1));
  EXPECT_FALSE(date_from_days(-719163));
}

}  // namespace
}  // namespace league
