// The draw's promises, checked on the file it writes as read back by the
// fixtures reader, for every league size from 2 to 24 teams.
#include "league/season/fixture_draw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

namespace league {
namespace {

// The whole of fixtures.txt as `league fixtures` draws it.
std::string drawn_file(const std::vector<std::string>& teams, const DrawSettings& settings) {
  return format_fixtures(draw_fixtures(teams, settings).fixtures, draw_comment(settings));
}

std::vector<std::string> some_teams(std::size_t count) {
  std::vector<std::string> teams;
  for (std::size_t k = 1; k <= count; ++k) teams.push_back("Team_" + std::to_string(k));
  return teams;
}

void expect_sound_draw(std::size_t n, bool double_round) {
  SCOPED_TRACE(std::to_string(n) + (double_round ? " teams, double" : " teams, single"));
  const auto teams = some_teams(n);
  const std::string text = drawn_file(teams, DrawSettings{double_round, 2027, {}, 7});
  const FixturesReading reading = read_fixtures(text);
  ASSERT_TRUE(reading.diagnostics.empty()) << describe(reading.diagnostics.front());
  // No unknown team, nobody twice in a round or against itself, no HOME - AWAY
  // twice, rounds 1, 2, 3, ...
  const auto faults = check_fixtures(reading.fixtures, teams);
  ASSERT_TRUE(faults.empty()) << describe(faults.front());

  const std::size_t half = n % 2 == 0 ? n - 1 : n;
  EXPECT_EQ(reading.fixtures.rounds.size(), double_round ? 2 * half : half);

  std::map<std::set<std::string>, int> meetings;
  std::map<std::string, std::string> grounds;  // team: 'H' and 'A' in round order, byes left out
  for (const FixtureRound& round : reading.fixtures.rounds) {
    for (const FixtureMatch& match : round.matches) {
      ++meetings[{match.home, match.away}];
      grounds[match.home] += 'H';
      grounds[match.away] += 'A';
    }
  }
  EXPECT_EQ(meetings.size(), n * (n - 1) / 2);
  for (const auto& [pair, count] : meetings) EXPECT_EQ(count, double_round ? 2 : 1);

  std::size_t breaks = 0;
  for (const auto& [team, row] : grounds) {
    const auto home = std::count(row.begin(), row.end(), 'H');
    const auto away = static_cast<std::ptrdiff_t>(row.size()) - home;
    EXPECT_LE(std::abs(home - away), double_round ? 0 : 1) << team << ' ' << row;
    for (std::size_t k = 1; k < row.size(); ++k) breaks += row[k] == row[k - 1];
    EXPECT_EQ(row.find("HHH"), std::string::npos) << team << ' ' << row;
    EXPECT_EQ(row.find("AAA"), std::string::npos) << team << ' ' << row;
  }
  if (double_round) {
    // Within the 2n (n for odd n) that a mirrored second half must keep to.
    EXPECT_LE(breaks, n % 2 == 0 ? 2 * n - 2 : 2);
  } else {
    EXPECT_EQ(breaks, n % 2 == 0 ? n - 2 : 0);
  }
}

TEST(FixtureDraw, EveryLeagueSizeGetsASoundSchedule) {
  for (std::size_t n = 2; n <= 24; ++n) {
    expect_sound_draw(n, false);
    expect_sound_draw(n, true);
  }
}

TEST(FixtureDraw, TheSeedAloneDecidesTheFile) {
  const DrawSettings settings{true, 12345, Date{2027, 8, 14}, 7};
  auto teams = some_teams(9);
  const std::string text = drawn_file(teams, settings);
  std::reverse(teams.begin(), teams.end());
  EXPECT_EQ(drawn_file(teams, settings), text);
  EXPECT_NE(drawn_file(teams, DrawSettings{true, 12346, Date{2027, 8, 14}, 7}), text);
  EXPECT_NE(text.find("# Drawn with seed 12345; `league fixtures --double --seed 12345 --start "
                      "2027-08-14 --every 7` draws these fixtures again.\n"),
            std::string::npos);

  // The whole file for one seed, pinned (worked out apart from this code with
  // the published Mersenne Twister): a draw that came out differently on
  // another platform or library would fail here.
  EXPECT_EQ(drawn_file({"Ashford", "Brackley", "Carrow", "Dunmore"}, {false, 7, {}, 7}),
            "# Drawn with seed 7; `league fixtures --seed 7` draws these fixtures again.\n"
            "\nRound 1\nAshford - Dunmore\nBrackley - Carrow\n"
            "\nRound 2\nDunmore - Carrow\nAshford - Brackley\n"
            "\nRound 3\nBrackley - Dunmore\nCarrow - Ashford\n");
}

TEST(FixtureDraw, RoundsAreDatedAcrossMonthsYearsAndLeapDays) {
  const auto fixtures =
      read_fixtures(drawn_file(some_teams(6), {false, 1, Date{2027, 12, 18}, 35})).fixtures;
  std::vector<std::string> dates;
  for (const FixtureRound& round : fixtures.rounds) dates.push_back(format_date(*round.date));
  EXPECT_EQ(dates, (std::vector<std::string>{"2027-12-18", "2028-01-22", "2028-02-26", "2028-04-01",
                                             "2028-05-06"}));
  EXPECT_EQ(draw_fixtures(some_teams(4), {false, 1, Date{9999, 12, 1}, 30}).problem,
            Draw::Problem::kPastYear9999);
  EXPECT_EQ(draw_fixtures({"Ashford", "Ashford"}, {}).problem, Draw::Problem::kTeamTwice);
}

}  // namespace
}  // namespace league
