#include "league/publish/publish_json.h"

#include <gtest/gtest.h>

#include <array>
#include <nlohmann/json.hpp>

namespace league {
namespace {

StandingsRow make_row(const std::string& team, const std::array<int, 8>& counters,
                      const std::string& form) {
  StandingsRow row;
  row.entry.Team = team;
  for (std::size_t i = 0; i < counters.size(); ++i) row.entry.*kTableCounters[i] = counters[i];
  row.form = form;
  return row;
}

TEST(StandingsJson, RowsFormsRoundsAndScorersWithClubNamesAsWritten) {
  Standings standings;
  standings.round = 2;
  standings.date = "2026-10-02 18:20";
  standings.table = {make_row("Bayern_München", {2, 2, 0, 0, 5, 1, 4, 6}, "WW"),
                     make_row("Ash", {2, 0, 0, 2, 1, 5, -4, 0}, "")};
  standings.rounds = {{1, "2026-10-01 18:20", {"Ash", "Bayern_München"}},
                      {2, "2026-10-02 18:20", {"Bayern_München", "Ash"}}};
  standings.scorers = std::vector<Scorer>{{"A_Keane", "ASH", 5, 2}};
  standings.league = "Sunday League";
  standings.adjustments = {
      {1, 1, "Ash", -3, "fielded an \"ineligible\" player", "2026-10-01 20:00"}};

  const auto json = nlohmann::json::parse(standings_json(standings));
  EXPECT_EQ(json["round"], 2);
  EXPECT_EQ(json["applied"], "2026-10-02 18:20");
  ASSERT_EQ(json["table"].size(), 2u);
  const auto& top = json["table"][0];
  EXPECT_EQ(top["position"], 1);
  EXPECT_EQ(top["team"], "Bayern München");
  EXPECT_EQ(top["played"], 2);
  EXPECT_EQ(top["goals_for"], 5);
  EXPECT_EQ(top["goals_against"], 1);
  EXPECT_EQ(top["points"], 6);
  EXPECT_EQ(top["form"], "WW");
  EXPECT_EQ(json["table"][1]["goal_difference"], -4);
  EXPECT_EQ(json["rounds"][0]["order"], nlohmann::json({"Ash", "Bayern München"}));
  EXPECT_EQ(json["rounds"][1]["round"], 2);
  EXPECT_EQ(json["top_scorers"][0]["name"], "A_Keane");
  EXPECT_EQ(json["top_scorers"][0]["assists"], 2);
  EXPECT_EQ(json["league"], "Sunday League");
  EXPECT_EQ(json["adjustments"], nlohmann::json::parse(R"([{"team": "Ash", "points": -3,
      "reason": "fielded an \"ineligible\" player", "applied": "2026-10-01 20:00"}])"));

  standings = Standings{};
  const auto empty = nlohmann::json::parse(standings_json(standings));
  EXPECT_EQ(empty["round"], 0);
  EXPECT_TRUE(empty["applied"].is_null());
  EXPECT_TRUE(empty["rounds"].empty());
  EXPECT_TRUE(empty["top_scorers"].is_null());
  EXPECT_TRUE(empty["league"].is_null());
  EXPECT_TRUE(empty["adjustments"].empty());
}

}  // namespace
}  // namespace league
