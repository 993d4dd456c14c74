#include "league/publish/standings_data.h"

#include <gtest/gtest.h>

#include "league/publish/publish_test_league.h"
#include "tests/support/scratch_dir.h"

namespace league {
namespace {

const std::string kTableHead =
    "Pl   Team                      P    W   D   L    GF   GA   GD   Pts\n"
    "-------------------------------------------------------------------\n";

std::string error_of_gather() {
  const StandingsRead read = gather_standings();
  return read.problem ? describe(*read.problem) : "no error";
}

TEST(GatherStandings, TableFormRoundsAndScorersFromTheirFiles) {
  testing::ScratchWorkDir folder("standings_data_test");
  write_test_league({"Lions", "Tigers", "Bears", "Wolves"}, 3, true);
  // form.txt lists teams in its own order and lacks one: forms go by name.
  write_test_file("table.txt", kTableHead +
                                   "1 Tigers 3 2 1 0 5 2 3 7\n2 Lions 3 2 0 1 4 3 1 6\n"
                                   "3 Wolves 3 1 0 2 3 4 -1 3\n4 Bears 3 0 1 2 1 4 -3 1\n");
  write_test_file("form.txt", "Pl Team Form\n----\n1 Lions WWL\n2 Tigers WDW\n3 Bears LLD\n");
  // A round folder without `applied` is what an interrupted run left.
  write_test_file("history/4/after/table.txt", kTableHead);

  const Standings standings = gather_standings().standings;
  ASSERT_EQ(standings.table.size(), 4u);
  EXPECT_EQ(standings.table[0].entry.Team, "Tigers");
  EXPECT_EQ(standings.table[0].form, "WDW");
  EXPECT_EQ(standings.table[1].form, "WWL");
  EXPECT_EQ(standings.table[2].entry.Team, "Wolves");
  EXPECT_EQ(standings.table[2].form, "");
  EXPECT_EQ(standings.table[3].entry.GD, -3);

  EXPECT_EQ(standings.round, 3);
  EXPECT_EQ(standings.date, "2026-10-03 18:20");
  ASSERT_EQ(standings.rounds.size(), 3u);
  EXPECT_EQ(standings.rounds[0].round, 1);
  EXPECT_EQ(standings.rounds[0].applied, "2026-10-01 18:20");
  EXPECT_EQ(standings.rounds[1].teams.size(), 4u);

  ASSERT_TRUE(standings.scorers.has_value());
  ASSERT_FALSE(standings.scorers->empty());
  // The rosters LIO.txt, TIG.txt ... name the table's teams, which the scorers show.
  for (const Scorer& scorer : *standings.scorers)
    EXPECT_TRUE(scorer.team == "Lions" || scorer.team == "Tigers" || scorer.team == "Bears" ||
                scorer.team == "Wolves")
        << scorer.team;
}

TEST(TableTeamsOfCodes, EveryCodeNamesOneTeamOrNoneIsMapped) {
  std::vector<StandingsRow> table;
  for (const char* team : {"St_Mirren", "Ash", "Ashford", "Real_Oviedo", "Real_Betis"})
    table.push_back({{team}, ""});
  using Names = std::vector<std::string>;
  // Letters and digits only, case ignored; the whole name wins over a longer one it starts.
  EXPECT_EQ(table_teams_of_codes({"STM", "ash", "ASHF", "STM"}, table),
            (Names{"St_Mirren", "Ash", "Ashford", "St_Mirren"}));
  EXPECT_EQ(table_teams_of_codes({"STM", "REA"}, table), Names{});  // Real_Oviedo or Real_Betis
  EXPECT_EQ(table_teams_of_codes({"STM", "XYZ"}, table), Names{});  // no team
  EXPECT_EQ(table_teams_of_codes({"ST", "STM"}, table), Names{});   // two rosters for one team
  EXPECT_EQ(table_teams_of_codes({"_"}, table), Names{});
}

TEST(GatherStandings, NoHistoryNoFormNoTeamsDir) {
  testing::ScratchWorkDir folder("standings_data_test");
  write_test_file("table.txt", kTableHead + "1 Lions 0 0 0 0 0 0 0 0\n");
  const Standings standings = gather_standings().standings;
  EXPECT_EQ(standings.round, 0);
  EXPECT_TRUE(standings.date.empty());
  EXPECT_TRUE(standings.rounds.empty());
  EXPECT_EQ(standings.table.at(0).form, "");
  EXPECT_FALSE(standings.scorers.has_value());
}

TEST(GatherStandings, MissingOrDamagedFilesAreNamed) {
  testing::ScratchWorkDir folder("standings_data_test");
  EXPECT_EQ(error_of_gather(), "table.txt: cannot be opened");

  write_test_file("table.txt", kTableHead + "1 Lions 0 0 0 0 0 0 0 x\n");
  EXPECT_EQ(error_of_gather(),
            "table.txt:3: row 1 does not read as a position, a team and eight whole numbers");

  write_test_file("table.txt", kTableHead + "1 Lions 0 0 0 0 0 0 0 0\n");
  write_test_file("history/2/applied", "2026-10-01 18:20\n");
  EXPECT_EQ(error_of_gather(), "history/2/after/table.txt: cannot be opened");

  write_test_file("history/2/after/table.txt", kTableHead + "1 Lions 0 0\n");
  EXPECT_NE(error_of_gather().find("history/2/after/table.txt:3: row 1 does not read"),
            std::string::npos);

  write_test_file("history/2/after/table.txt", kTableHead + "1 Lions 0 0 0 0 0 0 0 0\n");
  write_test_file("teams.dir", "ABC.txt\n");
  EXPECT_EQ(error_of_gather(), "ABC.txt: cannot be opened");
}

TEST(TopScorers, GoalsThenAssistsThenNameAndOnlyScorers) {
  std::vector<Player> players(6);
  const struct {
    const char* name;
    int goals;
    int assists;
  } kPlayers[] = {{"E_Tully", 3, 1}, {"A_Brody", 3, 4}, {"N_Sloan", 0, 9},
                  {"C_Keane", 5, 0}, {"B_Brody", 3, 1}, {"D_Novak", 1, 0}};
  for (std::size_t i = 0; i < players.size(); ++i) {
    players[i].Name = kPlayers[i].name;
    players[i].Gls = kPlayers[i].goals;
    players[i].Ass = kPlayers[i].assists;
  }
  std::vector<std::string> names;
  for (const Scorer& scorer : top_scorers(players, 4)) names.push_back(scorer.name);
  EXPECT_EQ(names, (std::vector<std::string>{"C_Keane", "A_Brody", "B_Brody", "E_Tully"}));
  EXPECT_EQ(top_scorers(players, 10).size(), 5u);  // N_Sloan scored no goal
}

}  // namespace
}  // namespace league
