#include "league/season/replay.h"

#include <gtest/gtest.h>

#include <chrono>

#include "common/form/form_table.h"
#include "common/results/results_file.h"
#include "common/table/table_file.h"
#include "common/table/table_results.h"

namespace league {
namespace {

std::vector<TableEntry> empty_table(const std::vector<std::string>& teams) {
  std::vector<TableEntry> rows;
  for (const std::string& team : teams) rows.push_back({team});
  return rows;
}

std::vector<FormEntry> empty_form(const std::vector<std::string>& teams) {
  std::vector<FormEntry> rows;
  for (const std::string& team : teams) rows.push_back({team, FormString("")});
  return rows;
}

RecordedStep round_step(std::string results) {
  return {RecordedStep::Kind::kRound, "history/n/results.txt", std::move(results), {}, 0};
}

RecordedStep adjustment_step(std::string team, std::int32_t points) {
  return {RecordedStep::Kind::kAdjustment,
          "history/n/adjustments/k/adjustment",
          {},
          std::move(team),
          points};
}

const std::vector<std::string> kTeams{"Avon", "Bure", "Colne", "Dee"};

SeasonRecord small_season() {
  return {format_league_table(empty_table(kTeams)),
          format_form_table(empty_form(kTeams)),
          std::nullopt,
          {adjustment_step("Dee", 2), round_step("Avon 2 - 0 Bure\nColne 1 - 1 Dee\n"),
           adjustment_step("Avon", -3), round_step("Bure 3 - 1 Colne\nDee 0 - 1 Avon\n")}};
}

TEST(ReplayTest, RoundsAndAdjustmentsInTheirOrderAsLeagueAppliesThem) {
  // The same steps, one by one, through apply_round and the adjustment.
  RoundTables expected{empty_table(kTeams), empty_form(kTeams), std::nullopt};
  const auto apply = [&](std::string_view text) {
    ASSERT_FALSE(apply_round(expected, read_results(text)).failure);
  };
  (*expected.table)[3].Pts += 2;
  order_league_table(*expected.table);
  apply("Avon 2 - 0 Bure\nColne 1 - 1 Dee\n");
  for (TableEntry& row : *expected.table)
    if (row.Team == "Avon") row.Pts -= 3;
  order_league_table(*expected.table);
  apply("Bure 3 - 1 Colne\nDee 0 - 1 Avon\n");

  const SeasonReplay replay = replay_season(small_season());
  ASSERT_FALSE(replay.problem) << replay.problem->what;
  EXPECT_EQ(format_league_table(*replay.tables.table), format_league_table(*expected.table));
  EXPECT_EQ(format_form_table(*replay.tables.form), format_form_table(*expected.form));
  EXPECT_FALSE(replay.tables.attendances);
}

TEST(ReplayTest, AnExpungedTeamLeavesWithItsMatchesAndAdjustments) {
  const SeasonReplay replay = replay_season(small_season(), "Avon");
  ASSERT_FALSE(replay.problem);
  EXPECT_EQ(format_league_table(*replay.tables.table),
            format_league_table({{"Bure", 1, 1, 0, 0, 3, 1, 2, 3},
                                 {"Dee", 1, 0, 1, 0, 1, 1, 0, 3},
                                 {"Colne", 2, 0, 1, 1, 2, 4, -2, 1}}));
  EXPECT_EQ(replay.tables.form->size(), 3u);
}

TEST(ReplayTest, AStepThatDoesNotApplyIsNamedAndStopsTheReplay) {
  SeasonRecord record = small_season();
  record.steps[3] = round_step("Bure 3 - 1 Colne\nDee 0 - 1 Avonn\n");
  record.steps[3].source = "history/2/results.txt";
  SeasonReplay replay = replay_season(record);
  ASSERT_TRUE(replay.problem);
  EXPECT_EQ(describe(*replay.problem),
            "history/2/results.txt:2: Avonn has no row in the table.txt it was applied to");

  record.table = "Pl Team P W D L F A GD Pts\n-----\n1 Avon 1 x\n";
  EXPECT_TRUE(replay_season(record).problem);
}

TEST(ReplayTest, ASeasonOf38RoundsOf20TeamsIsReplayedWellWithin50Ms) {
  std::vector<std::string> teams;
  for (int i = 0; i < 20; ++i) teams.push_back("Team_" + std::to_string(i));
  SeasonRecord record{format_league_table(empty_table(teams)),
                      format_form_table(empty_form(teams)),
                      std::nullopt,
                      {}};
  for (int round = 0; round < 38; ++round) {
    std::string results;
    for (int i = 0; i < 10; ++i) {
      results += teams[(round + i) % 20] + " " + std::to_string(i % 4) + " - " +
                 std::to_string(round % 3) + " " + teams[(round + 19 - i) % 20] + "\n";
    }
    record.steps.push_back(round_step(results));
  }
  const auto start = std::chrono::steady_clock::now();
  const SeasonReplay replay = replay_season(record);
  const auto took = std::chrono::steady_clock::now() - start;
  ASSERT_FALSE(replay.problem);
  EXPECT_EQ(replay.tables.table->front().P + replay.tables.table->back().P, 76);
  EXPECT_LT(took, std::chrono::milliseconds(50));
}

}  // namespace
}  // namespace league
