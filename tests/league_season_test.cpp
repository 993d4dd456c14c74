// Plays whole seasons with `league round` beside table_update and form_update
// and compares the files byte for byte after every round; then every refusal
// of `league new`, `round` and `undo` (nothing may change), undo across
// several rounds and after an edit, and points adjustments between rounds.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>

#include "tests/support/case_run.h"

namespace league::testing {
namespace {

namespace fs = std::filesystem;

using Snapshot = FolderContents;

Snapshot snapshot(const fs::path& dir) {
  return folder_contents(dir);
}

// Runs a program in `dir`; standard error is joined to the output.
ToolOutcome run_in(const fs::path& dir, const std::string& program,
                   const std::vector<std::string>& args, const std::string& input = "") {
  return run_joined(dir, fs::path(TOOLS_DIR) / program, args, input);
}

ToolOutcome league(const fs::path& dir, const std::vector<std::string>& args) {
  return run_in(dir, "league", args);
}

// A round in which every team plays once (one plays twice when the count is
// odd, and in every third round one more match repeats a team).
std::string random_round(std::vector<std::string> teams, std::mt19937& random) {
  std::shuffle(teams.begin(), teams.end(), random);
  if (teams.size() % 2 == 1) teams.push_back(teams.front() == teams[1] ? teams[2] : teams[1]);
  std::uniform_int_distribution<int> goals(0, 4);
  std::string results;
  for (std::size_t i = 0; i + 1 < teams.size(); i += 2) {
    results += teams[i] + " " + std::to_string(goals(random)) + " - " +
               std::to_string(goals(random)) + " " + teams[i + 1] + "\n";
  }
  if (random() % 3 == 0) results += teams[1] + " 1 v 0 " + teams[2] + "\n";
  return results;
}

// Plays `rounds` rounds in `dir` with league round and in a copy with the two
// tools, comparing the league files after each.
void play_season_beside_tools(const fs::path& dir, const std::vector<std::string>& teams,
                              int rounds) {
  ScratchDir tools("season-tools");
  fs::copy(dir, tools.path(), fs::copy_options::recursive);
  std::mt19937 random(2026);
  for (int round = 1; round <= rounds; ++round) {
    const std::string results = random_round(teams, random);
    write_file(dir / "results.txt", results);
    write_file(tools.path() / "results.txt", results);
    const ToolOutcome played = league(dir, {"round"});
    ASSERT_EQ(played.status, 0) << played.output;
    EXPECT_NE(played.output.find("Round " + std::to_string(round) + ": "), std::string::npos);
    ASSERT_EQ(run_in(tools.path(), "table_update", {}, "\n").status, 0);
    ASSERT_EQ(run_in(tools.path(), "form_update", {}, "\n").status, 0);
    for (const char* file : {"table.txt", "form.txt", "attendances.dat"}) {
      EXPECT_EQ(read_file(dir / file), read_file(tools.path() / file))
          << file << " after round " << round << "\n"
          << results;
    }
  }
}

const std::vector<std::string> kExampleTeams{"Harwood",  "Ashford",  "Fenwick", "Glenvale",
                                             "Marston",  "Norbury",  "Carrow",  "Dunmore",
                                             "Elmfield", "Brackley", "Kestrel", "Lowther"};

void copy_example_league(const fs::path& to) {
  fs::copy(fs::path(EXAMPLES_DIR) / "league", to, fs::copy_options::recursive);
}

TEST(LeagueSeasonTest, RoundsGiveTheBytesOfTableUpdateAndFormUpdate) {
  ScratchDir dir("league-season");
  copy_example_league(dir.path());
  play_season_beside_tools(dir.path(), kExampleTeams, 8);
}

TEST(LeagueSeasonTest, ANewSeasonIsWhatTheToolsWriteAndPlaysLikeThem) {
  ScratchDir dir("league-new");
  write_file(dir.path() / "league.dat", "Attendances_Pack = 0\n");
  write_file(dir.path() / "teams", "Avon\n\nBure\r\n  Colne  \nDee\nEden\nFrome\nGlaze\n");
  const ToolOutcome started = league(dir.path(), {"new", "--teams", "teams"});
  ASSERT_EQ(started.status, 0) << started.output;

  // The tools read and rewrite the new files unchanged when no result is applied.
  ScratchDir tools("league-new-tools");
  fs::copy(dir.path(), tools.path(), fs::copy_options::recursive);
  write_file(tools.path() / "results.txt", "");
  ASSERT_EQ(run_in(tools.path(), "table_update", {}, "\n").status, 0);
  ASSERT_EQ(run_in(tools.path(), "form_update", {}, "\n").status, 0);
  EXPECT_EQ(read_file(tools.path() / "table.txt"), read_file(dir.path() / "table.txt"));
  EXPECT_EQ(read_file(tools.path() / "form.txt"), read_file(dir.path() / "form.txt"));
  EXPECT_NE(read_file(dir.path() / "table.txt").find("\n7    Glaze "), std::string::npos);

  play_season_beside_tools(dir.path(), {"Avon", "Bure", "Colne", "Dee", "Eden", "Frome", "Glaze"},
                           5);
}

struct Refusal {
  std::vector<std::string> args;
  std::string says;
};

// Runs each refusal in `dir`: exit 1, the message, and no file changed.
void expect_refusals(const fs::path& dir, const std::vector<Refusal>& refusals) {
  for (const Refusal& refusal : refusals) {
    const Snapshot before = snapshot(dir);
    const ToolOutcome outcome = league(dir, refusal.args);
    EXPECT_EQ(outcome.status, 1) << refusal.says;
    EXPECT_NE(outcome.output.find(refusal.says), std::string::npos) << outcome.output;
    EXPECT_EQ(snapshot(dir), before) << refusal.says;
  }
}

TEST(LeagueSeasonTest, EveryRefusalChangesNothing) {
  ScratchDir dir("league-season");
  copy_example_league(dir.path());
  const fs::path path = dir.path();
  expect_refusals(path, {{{"undo"}, "history: holds no round to undo"},
                         {{"new", "Avon", "Bure"}, "table.txt: exists already"}});
  ASSERT_EQ(league(path, {"round"}).status, 0);
  expect_refusals(path, {{{"round"}, "results.txt: the same matches as round 1, applied 20"}});

  write_file(path / "results.txt",
             "Kestral 1 - 0 Ashford\nLowther 1 - 1 Lowther\nAshford 2-x Dunmore\n");
  expect_refusals(
      path,
      {{{"round"}, "results.txt:1: Kestral is not a team of table.txt; did you mean Kestrel?"},
       {{"round"}, "results.txt:2: Lowther plays itself"},
       {{"round"}, "results.txt:3: \"2-x\" is not a score"}});

  write_file(path / "results.txt", "Kestrel 1 - 0 Ashford\n");
  const std::string league_dat = read_file(path / "league.dat");
  fs::remove(path / "league.dat");
  expect_refusals(path, {{{"round"}, "league.dat: cannot be opened"}});
  write_file(path / "league.dat", league_dat);
  const std::string attendances = read_file(path / "attendances.dat");
  write_file(path / "attendances.dat", attendances + "\nBroken row\n");
  expect_refusals(path, {{{"round"}, "attendances.dat:14: does not read"}});
  write_file(path / "attendances.dat", attendances);

  fs::remove(path / "table.txt");
  fs::remove(path / "form.txt");
  expect_refusals(path,
                  {{{"new", "Avon", "Bure"}, "history: holds the rounds of an earlier season"}});
  fs::remove_all(path / "history");
  expect_refusals(path, {{{"new", "Avon", "Bure", "Avon"}, "Avon is given twice"},
                         {{"new", "Avon", "#Bure"}, "\"#Bure\" starts with #"},
                         {{"new"}, "no teams given"}});
}

TEST(LeagueSeasonTest, TheSameResultsAgainAreAppliedOnlyWhenAsked) {
  ScratchDir dir("league-season");
  copy_example_league(dir.path());
  ASSERT_EQ(league(dir.path(), {"round"}).status, 0);
  const std::string once = read_file(dir.path() / "table.txt");
  const ToolOutcome again = league(dir.path(), {"round", "--again"});
  EXPECT_EQ(again.status, 0) << again.output;
  EXPECT_NE(read_file(dir.path() / "table.txt"), once);
  EXPECT_NE(again.output.find("Round 2: 6 results"), std::string::npos) << again.output;
}

TEST(LeagueSeasonTest, TheRepeatGuardComparesMatchesOfEveryRoundNotBytes) {
  ScratchDir dir("league-season");
  copy_example_league(dir.path());
  const fs::path path = dir.path();
  const std::string first = read_file(path / "results.txt");
  ASSERT_EQ(league(path, {"round"}).status, 0);
  std::mt19937 random(11);
  for (int round = 2; round <= 3; ++round) {
    write_file(path / "results.txt", random_round(kExampleTeams, random));
    ASSERT_EQ(league(path, {"round"}).status, 0);
  }
  // Round 1's matches again, last first, with CR LF and a byte-order mark.
  std::vector<std::string> lines;
  std::istringstream in(first);
  for (std::string line; std::getline(in, line);) lines.insert(lines.begin(), line);
  std::string same = "\xEF\xBB\xBF";
  for (const std::string& line : lines) same += line + "\r\n";
  write_file(path / "results.txt", same);
  expect_refusals(path, {{{"round"}, "results.txt: the same matches as round 1, applied"}});
}

TEST(LeagueSeasonTest, UndoGoesBackRoundByRoundAndGuardsEdits) {
  ScratchDir dir("league-season");
  copy_example_league(dir.path());
  const fs::path path = dir.path();
  std::mt19937 random(7);
  std::vector<Snapshot> before_round;
  for (int round = 1; round <= 3; ++round) {
    write_file(path / "results.txt", random_round(kExampleTeams, random));
    before_round.push_back(snapshot(path));
    ASSERT_EQ(league(path, {"round"}).status, 0);
  }

  // An edit after round 3 is named and blocks the undo until --force.
  std::string table = read_file(path / "table.txt");
  write_file(path / "form.txt", read_file(path / "form.txt") + "\n");
  expect_refusals(path, {{{"undo"}, "form.txt: changed after round 3 was applied"}});
  const ToolOutcome forced = league(path, {"undo", "--force"});
  EXPECT_EQ(forced.status, 0) << forced.output;

  for (int round = 3; round >= 1; --round) {
    if (round < 3) {
      ASSERT_EQ(league(path, {"undo"}).status, 0);
    }
    // results.txt holds the undone round's results again; what it held
    // before, the next round's results, is kept beside it.
    Snapshot now = snapshot(path);
    if (round < 3) {
      const std::string kept = "results-before-undo-" + std::to_string(round) + ".txt";
      EXPECT_EQ(now[kept], before_round[static_cast<std::size_t>(round)]["results.txt"]);
      now.erase(kept);
    }
    for (int later = round + 1; later < 3; ++later)
      now.erase("results-before-undo-" + std::to_string(later) + ".txt");
    EXPECT_EQ(now, before_round[static_cast<std::size_t>(round - 1)])
        << "after undoing round " << round;
  }
  expect_refusals(path, {{{"undo"}, "history: holds no round to undo"}});
}

// The row of `team` in the text of a table.
std::string row_of(const std::string& table, const std::string& team) {
  std::istringstream lines(table);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string position;
    std::string name;
    if (words >> position >> name && name == team) return line;
  }
  return "";
}

TEST(LeagueSeasonTest, AdjustmentsStayThroughRoundsAndAreUndoneInTurnWithThem) {
  ScratchDir dir("league-adjust");
  copy_example_league(dir.path());
  const fs::path path = dir.path();
  ASSERT_EQ(league(path, {"round"}).status, 0);
  const Snapshot after_round_1 = snapshot(path);

  // A deduction: Carrow's 7 points become 4, and check needs no note for it.
  const ToolOutcome adjusted =
      league(path, {"adjust", "Carrow", "-3", "--reason", "fielded an ineligible player"});
  ASSERT_EQ(adjusted.status, 0) << adjusted.output;
  EXPECT_EQ(row_of(read_file(path / "table.txt"), "Carrow"),
            "11   Carrow                    7    2   1   4    13   14   -1     4");
  EXPECT_EQ(league(path, {"check"}).output, "0 problems, 0 notes\n");

  // The next round adds to the adjusted table exactly as the tools do.
  std::mt19937 random(5);
  write_file(path / "results.txt", random_round(kExampleTeams, random));
  const Snapshot after_adjustment = snapshot(path);
  ScratchDir tools("league-adjust-tools");
  fs::copy(path, tools.path(), fs::copy_options::recursive);
  ASSERT_EQ(league(path, {"round"}).status, 0);
  ASSERT_EQ(run_in(tools.path(), "table_update", {}, "\n").status, 0);
  ASSERT_EQ(run_in(tools.path(), "form_update", {}, "\n").status, 0);
  for (const char* file : {"table.txt", "form.txt", "attendances.dat"})
    EXPECT_EQ(read_file(path / file), read_file(tools.path() / file)) << file;
  const Snapshot after_round_2 = snapshot(path);

  // An award after round 2 is the first thing undone, then round 2.
  ASSERT_EQ(league(path, {"adjust", "Lowther", "+2", "--reason", "walkover"}).status, 0);
  EXPECT_EQ(league(path, {"check"}).output, "0 problems, 0 notes\n");
  ASSERT_EQ(league(path, {"undo"}).status, 0);
  EXPECT_EQ(snapshot(path), after_round_2);
  ASSERT_EQ(league(path, {"undo"}).status, 0);
  EXPECT_EQ(snapshot(path), after_adjustment);

  // Carrow's points changed by hand since: check notes it, and undo waits for --force.
  const std::string table = read_file(path / "table.txt");
  const std::string row = row_of(table, "Carrow");
  std::string edited = table;
  edited.replace(edited.find(row), row.size(), row.substr(0, row.size() - 1) + "5");
  write_file(path / "table.txt", edited);
  EXPECT_NE(
      league(path, {"check"}).output.find("note: Carrow: Pts is 5, not 3W+D+adjustments = 7-3 = 4"),
      std::string::npos);
  expect_refusals(path, {{{"undo"},
                          "table.txt: changed after the adjustment of Carrow's points was made; "
                          "nothing changed"}});
  ASSERT_EQ(league(path, {"undo", "--force"}).status, 0);
  Snapshot now = snapshot(path);
  EXPECT_EQ(now.erase("results.txt"), 1u);
  Snapshot expected = after_round_1;
  expected.erase("results.txt");
  EXPECT_EQ(now, expected);
  ASSERT_EQ(league(path, {"undo"}).status, 0);
  expect_refusals(path, {{{"undo"}, "history: holds no round to undo"}});
}

using Matchday = FixtureRoundText;

// A result for each fixture, "HOME 2 - 1 AWAY".
std::string results_of(const std::vector<std::string>& fixtures, std::mt19937& random) {
  std::uniform_int_distribution<int> goals(0, 4);
  std::string results;
  for (const std::string& fixture : fixtures) {
    const std::size_t dash = fixture.find(" - ");
    results += fixture.substr(0, dash) + " " + std::to_string(goals(random)) + " - " +
               std::to_string(goals(random)) + " " + fixture.substr(dash + 3) + "\n";
  }
  return results;
}

bool says(const ToolOutcome& outcome, const std::string& part) {
  return outcome.output.find(part) != std::string::npos;
}

TEST(LeagueSeasonTest, ASeasonPlayedWeekByWeekAgainstItsFixturesGivesTheBytesOfTheTools) {
  ScratchDir dir("league-fixtures-season");
  copy_example_league(dir.path());
  const fs::path path = dir.path();
  const ToolOutcome drawn = league(
      path, {"fixtures", "--double", "--seed", "2026", "--start", "2026-08-08", "--every", "7"});
  ASSERT_EQ(drawn.status, 0) << drawn.output;
  // The draw records the computer's zone, as the league keeps none yet.
  EXPECT_EQ(drawn.output.rfind("fixtures.txt: 22 rounds, 132 matches of 12 teams, drawn with seed "
                               "2026.\n"
                               "Round 1 is on 2026-08-08, round 22 on 2027-01-02.\n"
                               "Fixture times are read in ",
                               0),
            0u)
      << drawn.output;
  std::map<int, Matchday> rounds = fixture_rounds(read_file(path / "fixtures.txt"));
  ASSERT_EQ(rounds.size(), 22u);
  ScratchDir tools("league-fixtures-season-tools");
  fs::copy(path, tools.path(), fs::copy_options::recursive);

  // Every week a round, but: a match of round 3 is postponed to week 8; a match
  // of round 20 is brought forward to week 4; round 6 is mostly rained off and
  // its last four matches are played in week 7 beside round 7.
  const std::string postponed = rounds[3].fixtures.front();
  const std::string brought_forward = rounds[20].fixtures.front();
  std::map<int, std::vector<std::string>> weeks;
  for (auto& [round, matchday] : rounds) weeks[round] = matchday.fixtures;
  weeks[3].erase(weeks[3].begin());
  weeks[8].push_back(postponed);
  weeks[4].push_back(brought_forward);
  weeks[20].erase(weeks[20].begin());
  weeks[7].insert(weeks[7].begin(), weeks[6].begin() + 2, weeks[6].end());
  weeks[6].resize(2);

  std::mt19937 random(2026);
  for (const auto& [week, fixtures] : weeks) {
    SCOPED_TRACE("week " + std::to_string(week));
    const std::string results = results_of(fixtures, random);
    write_file(path / "results.txt", results);
    write_file(tools.path() / "results.txt", results);
    const ToolOutcome played = league(path, {"round"});
    ASSERT_EQ(played.status, 0) << played.output;
    ASSERT_EQ(run_in(tools.path(), "table_update", {}, "\n").status, 0);
    ASSERT_EQ(run_in(tools.path(), "form_update", {}, "\n").status, 0);
    for (const char* file : {"table.txt", "form.txt", "attendances.dat"})
      EXPECT_EQ(read_file(path / file), read_file(tools.path() / file)) << file << "\n" << results;

    const ToolOutcome status = league(path, {"status"});
    ASSERT_EQ(status.status, 0) << status.output;
    const int next = week == 6 ? 6 : week + 1;  // round 6 is not yet half played
    if (next <= 22) {
      EXPECT_TRUE(says(status, "Next: round " + std::to_string(next) + ", " + rounds[next].date))
          << status.output;
    }
    const bool pending = week >= 3 && week < 8;
    EXPECT_EQ(says(status, "  " + postponed + " (round 3, " + rounds[3].date + ")"), pending)
        << status.output;
    if (week == 4) {
      EXPECT_TRUE(says(played, brought_forward + ": brought forward from round 20"));
    }
    if (week == 7) {
      EXPECT_TRUE(says(played, weeks[7].front() + ": postponed from round 6")) << played.output;
      EXPECT_TRUE(says(played, "Still to play up to round 7: " + postponed + " (round 3).\n"));
    }
    if (week == 8) {
      EXPECT_TRUE(says(played, postponed + ": postponed from round 3")) << played.output;
      EXPECT_TRUE(says(played, "Every fixture up to round 8 has its result.\n"));
    }
  }
  EXPECT_TRUE(says(league(path, {"status"}), "Next: nothing; every fixture has its result.\n"));
}

TEST(LeagueSeasonTest, AFreshSeedIsWrittenSoThatTheDrawCanBeRepeated) {
  ScratchDir dir("league-fixtures-seed");
  copy_example_league(dir.path());
  ASSERT_EQ(league(dir.path(), {"fixtures", "--start", "2026-08-08"}).status, 0);
  const std::string drawn = read_file(dir.path() / "fixtures.txt");
  const std::size_t from = drawn.find('`');
  const std::size_t to = drawn.find('`', from + 1);
  ASSERT_NE(to, std::string::npos) << drawn;
  std::istringstream command(drawn.substr(from + 1, to - from - 1));
  std::vector<std::string> words;
  for (std::string word; command >> word;) words.push_back(word);
  ASSERT_EQ(words.front(), "league");
  words.erase(words.begin());
  fs::remove(dir.path() / "fixtures.txt");
  ASSERT_EQ(league(dir.path(), words).status, 0);
  EXPECT_EQ(read_file(dir.path() / "fixtures.txt"), drawn);
}

TEST(LeagueSeasonTest, EveryRefusalAgainstTheFixturesChangesNothing) {
  ScratchDir dir("league-fixtures-refusals");
  copy_example_league(dir.path());
  const fs::path path = dir.path();
  expect_refusals(path, {{{"fixtures", "--every", "5"}, "league fixtures: --every needs --start"},
                         {{"fixtures", "--seed", "x"}, "league fixtures: --seed x is not"},
                         {{"fixtures", "--start", "2027-02-29"}, "--start 2027-02-29 is not"},
                         {{"publish", "--ics", "cal.ics"}, "fixtures.txt: missing; --ics"}});
  ASSERT_EQ(league(path, {"fixtures", "--seed", "3"}).status, 0);
  const std::map<int, Matchday> rounds = fixture_rounds(read_file(path / "fixtures.txt"));
  expect_refusals(path, {{{"fixtures"}, "fixtures.txt: exists already; nothing changed"}});
  ASSERT_EQ(league(path, {"fixtures", "--force", "--seed", "4"}).status, 0);
  ASSERT_NE(fixture_rounds(read_file(path / "fixtures.txt")).at(1).fixtures, rounds.at(1).fixtures);
  ASSERT_EQ(league(path, {"fixtures", "--force", "--seed", "3"}).status, 0);

  // The example's results.txt is no round of these fixtures.
  expect_refusals(path, {{{"round"}, "results.txt:1: Ashford - Fenwick is no fixture"}});
  std::mt19937 random(3);
  const std::string first = rounds.at(1).fixtures.front();
  const std::string reversed =
      first.substr(first.find(" - ") + 3) + " - " + first.substr(0, first.find(" - "));
  write_file(path / "results.txt", results_of(rounds.at(1).fixtures, random));
  ASSERT_EQ(league(path, {"round"}).status, 0);
  expect_refusals(path,
                  {{{"fixtures", "--force"}, "fixtures.txt: 6 of its fixtures have results"},
                   {{"round", "--again"}, "results.txt:1: " + first + " was played in round 1"},
                   {{"publish", "--ics", "table.txt"}, "table.txt: is a file the league keeps"}});

  write_file(path / "results.txt",
             results_of({reversed, rounds.at(2).fixtures[0], rounds.at(2).fixtures[0]}, random));
  expect_refusals(
      path, {{{"round"}, "is no fixture of fixtures.txt; " + first + " was played"},
             {{"round"}, "results.txt:3: " + rounds.at(2).fixtures[0] + " is already on line 2"}});

  // A fixtures.txt that does not check out stops round, status and publish.
  write_file(path / "results.txt", results_of(rounds.at(2).fixtures, random));
  const std::string fixtures = read_file(path / "fixtures.txt");
  write_file(path / "fixtures.txt", fixtures + "Round 12\nKestral - Ashford\n");
  for (const char* command : {"round", "status", "publish"})
    expect_refusals(path, {{{command},
                            "fixtures.txt:91: Kestral is not a team of table.txt; "
                            "did you mean Kestrel?"}});
  write_file(path / "fixtures.txt", fixtures);
  ASSERT_EQ(league(path, {"round"}).status, 0);
}

}  // namespace
}  // namespace league::testing
