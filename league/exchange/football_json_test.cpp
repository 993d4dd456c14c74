#include "league/exchange/football_json.h"

#include <gtest/gtest.h>

namespace league::exchange {
namespace {

TEST(FootballJson, MissingScoresAreNoneNotNil) {
  const SeasonReading reading = read_football_json(R"({"name": "L 2023/24", "matches": [
  {"round": "Matchday 1", "date": "2023-08-11", "time": "20:00",
   "team1": "Burnley FC", "team2": "Manchester City FC", "score": {"ft": [0, 3]}},
  {"date": "2023-08-12", "team1": {"name": "Arsenal FC"}, "team2": "Nottingham Forest"},
  {"date": "2023-08-13", "team1": "A", "team2": "B", "status": "postponed", "extra": 1}
]})",
                                                   "s.json");
  ASSERT_TRUE(reading.ok());
  EXPECT_EQ(reading.season.name, "L 2023/24");
  const auto& m = reading.season.matches;
  ASSERT_EQ(m.size(), 3u);
  EXPECT_EQ(m[0].round, 1);
  EXPECT_EQ(m[0].full_time, (Score{0, 3}));
  EXPECT_FALSE(m[0].half_time);
  EXPECT_EQ(m[0].line, 2u);
  EXPECT_EQ(m[1].home, "Arsenal FC");
  EXPECT_EQ(m[1].status, MatchStatus::unplayed);
  EXPECT_FALSE(m[1].time);
  EXPECT_EQ(m[2].status, MatchStatus::postponed);
  EXPECT_EQ(m[1].line, 4u);
  EXPECT_EQ(m[2].line, 5u);
}

TEST(FootballJson, ProblemsAreNamedByLine) {
  const auto first = [](std::string_view text) {
    const SeasonReading reading = read_football_json(text, "b.json");
    return reading.ok() ? std::string() : describe(reading.problems.front());
  };
  EXPECT_EQ(first("{\"matches\": [\n{\"date\": \"2023-08-11\", \"team1\": \"A\"}\n]}"),
            "b.json:2: a match without \"team1\" and \"team2\" names");
  EXPECT_EQ(first("{\"matches\": [\n\n{\"date\": \"2023-08-11\", \"team1\": \"A\", \"team2\": "
                  "\"B\", \"score\": {\"ft\": [1]}}]}"),
            "b.json:3: \"ft\" is not a pair of goal counts");
  EXPECT_TRUE(
      first("{\"matches\": [\n{\"date\": 2023-08-11}\n]}").starts_with("b.json:2: not JSON"));
  EXPECT_EQ(first("[]"), "b.json:1: no \"matches\" list at the top");
}

}  // namespace
}  // namespace league::exchange
