// `league check` run as a program on a copy of the example league, with one
// kind of damage put into the files for each test.
#include <gtest/gtest.h>

#include <map>

#include "tests/support/case_run.h"

namespace league::testing {
namespace {

namespace fs = std::filesystem;

class LeagueCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& entry : fs::directory_iterator(EXAMPLE_LEAGUE)) {
      fs::copy_file(entry.path(), dir_.path() / entry.path().filename());
    }
  }

  // Replaces the first `from` in the file by `to`; `from` must be there.
  void edit(const std::string& file, const std::string& from, const std::string& to) {
    std::string text = read_file(dir_.path() / file);
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from << " not in " << file;
    write_file(dir_.path() / file, text.replace(at, from.size(), to));
  }

  void remove(const std::string& file) { ASSERT_TRUE(fs::remove(dir_.path() / file)) << file; }

  ScratchDir dir_{"league-check"};

  // Runs `league check` and makes sure it left every file as it was.
  ToolOutcome check() {
    const FolderContents before = folder_contents(dir_.path());
    ToolRun run;
    run.program = LEAGUE_PROGRAM;
    run.args = {"check"};
    run.directory = dir_.path();
    ToolOutcome outcome = run_tool(run);
    EXPECT_EQ(folder_contents(dir_.path()), before) << "league check changed the league's files";
    return outcome;
  }
};

TEST_F(LeagueCheck, ExampleLeagueIsClean) {
  const ToolOutcome outcome = check();
  EXPECT_EQ(outcome.output, "0 problems, 0 notes\n");
  EXPECT_EQ(outcome.status, 0);
}

TEST_F(LeagueCheck, OptionalFilesMayBeMissingButNotTheTableOrTheForm) {
  remove("results.txt");
  remove("teams.dir");
  edit("league.dat", "Attendances_Pack = 1", "Attendances_Pack = 0");
  remove("attendances.dat");
  EXPECT_EQ(check().output, "0 problems, 0 notes\n");

  remove("table.txt");
  remove("form.txt");
  fs::create_directory(dir_.path() / "form.txt");
  const ToolOutcome outcome = check();
  EXPECT_EQ(outcome.output,
            "table.txt: missing; table_update and league round need it\n"
            "form.txt: missing or unreadable; form_update and league round need it\n"
            "2 problems, 0 notes\n");
  EXPECT_EQ(outcome.status, 1);
}

TEST_F(LeagueCheck, TableRowsThatDisagreeAndTotalsThatCannotBe) {
  // Harwood: P one too many and GD one off; Pts 2 short, which is only a note.
  edit("table.txt", "Harwood                   6    4   0   2     9    7    2    12",
       "Harwood                   7    4   0   2     9    7    3    10");
  // Lowther: a defeat and a goal against lost, the row in itself sound.
  edit("table.txt", "Lowther                   6    1   1   4     3   12   -9     4",
       "Lowther                   5    1   1   3     3   11   -8     4");
  // Kestrel written as Dunmore.
  edit("table.txt", "11   Kestrel", "11   Dunmore");
  edit("form.txt", "11   Kestrel", "11   Dunmore");
  remove("results.txt");
  const ToolOutcome outcome = check();
  EXPECT_EQ(
      outcome.output,
      "table.txt:3: Harwood: P is 7, but W+D+L is 6\n"
      "table.txt:3: Harwood: GD is 3, but GF-GA is 2\n"
      "table.txt:3: note: Harwood: Pts is 10, not 3W+D = 12 (points deducted? league adjust "
      "records it)\n"
      "table.txt:13: Dunmore stands in the table a second time (first on line 10)\n"
      "table.txt: all W add up to 29, but all L to 28; every win is another team's loss\n"
      "table.txt: all GF add up to 117, but all GA to 116; every goal scored is one conceded\n"
      "table.txt:3: note: the table is out of order here: by points, goal difference and goals "
      "for, Ashford stands above Harwood; the next round puts it in order\n"
      "form.txt:13: Dunmore has a second row (the first is on line 11)\n"
      "6 problems, 2 notes\n");
  EXPECT_EQ(outcome.status, 1);
}

TEST_F(LeagueCheck, PointDeductionAloneIsANote) {
  edit("table.txt", "Harwood                   6    4   0   2     9    7    2    12",
       "Harwood                   6    4   0   2     9    7    2     9");
  const ToolOutcome outcome = check();
  EXPECT_EQ(outcome.output,
            "table.txt:3: note: Harwood: Pts is 9, not 3W+D = 12 (points deducted? league adjust "
            "records it)\n"
            "table.txt:3: note: the table is out of order here: by points, goal difference and "
            "goals for, Ashford stands above Harwood; the next round puts it in order\n"
            "0 problems, 2 notes\n");
  EXPECT_EQ(outcome.status, 0);
}

TEST_F(LeagueCheck, TotalsOfDrawsOrGamesCountedForOneSideOnly) {
  edit("table.txt", "Harwood                   6    4   0   2     9    7    2    12",
       "Harwood                   7    4   1   2     9    7    2    13");
  EXPECT_EQ(check().output,
            "table.txt: all D add up to 15, an odd number; every draw counts for both teams\n"
            "table.txt: all P add up to 73, an odd number; every game counts for both teams\n"
            "2 problems, 0 notes\n");
}

TEST_F(LeagueCheck, ATeamNamedNoAndARowANumberShort) {
  edit("table.txt", "12   Lowther", "12   No     ");
  edit("form.txt", "12   Lowther", "12   No     ");
  edit("attendances.dat", "Lowther ", "No      ");
  remove("results.txt");
  EXPECT_EQ(check().output,
            "table.txt:14: a team named No: table_update drops the row of that name from "
            "attendances.dat; rename it\n"
            "1 problem, 0 notes\n");
  // Harwood's row lacks its points: the row is named on its own line, not on
  // the next one, whose position the tools take for the points.
  edit("table.txt", "    2    12\n", "    2\n");
  EXPECT_EQ(check().output,
            "table.txt:3: note: Harwood: Pts is 2, not 3W+D = 12 (points deducted? league adjust "
            "records it)\n"
            "table.txt:3: row 1 (Harwood) is a number short; table_update refuses the table, and "
            "the rows after it are not checked\n"
            "1 problem, 1 note\n");
}

TEST_F(LeagueCheck, DamagedTableRowEndsTheTableChecks) {
  edit("table.txt", "Harwood                   6", "Harwood                   5");
  edit("table.txt", "Fenwick                   6    3", "Fenwick                   6    x");
  const ToolOutcome outcome = check();
  EXPECT_EQ(outcome.output,
            "table.txt:3: Harwood: P is 5, but W+D+L is 6\n"
            "table.txt:5: row 3 does not read as a position, a team and eight whole numbers; "
            "table_update refuses the table, and the rows after it are not checked\n"
            "results.txt: note: not checked, as table.txt does not read\n"
            "2 problems, 1 note\n");
  EXPECT_EQ(outcome.status, 1);
}

TEST_F(LeagueCheck, FormRowsLettersAndTeams) {
  edit("form.txt", "WWLWWL", "WWLwWX");
  edit("form.txt", "12   Lowther", "12   Lowthr");
  edit("form.txt", "11   Kestrel", "11   Carrow ");
  const ToolOutcome outcome = check();
  EXPECT_EQ(outcome.output,
            "form.txt:3: Harwood: the form WWLwWX holds wX; only W, D and L stand for results\n"
            "form.txt:13: Carrow has a second row (the first is on line 10)\n"
            "form.txt:14: Lowthr is not a team of table.txt, which has Lowther: if they are one "
            "club, write its name the same way in both files (the tools compare names letter by "
            "letter)\n"
            "form.txt: no row for Kestrel, a team of table.txt\n"
            "form.txt: no row for Lowther, a team of table.txt\n"
            "5 problems, 0 notes\n");
  EXPECT_EQ(outcome.status, 1);

  // Reading stops at a row that does not read, as form_update's does; a team
  // of the table missing may be in it.
  edit("form.txt", "9    Dunmore", "x    Dunmore");
  EXPECT_EQ(
      check().output,
      "form.txt:3: Harwood: the form WWLwWX holds wX; only W, D and L stand for results\n"
      "form.txt:11: row 9 does not read as a position and a team; form_update refuses the table\n"
      "2 problems, 0 notes\n");
}

TEST_F(LeagueCheck, AttendancesOnlyWithTheirSettingOn) {
  edit("attendances.dat", "Lowther ", "Lowthre ");
  EXPECT_EQ(check().output,
            "attendances.dat: Lowthre is not a team of table.txt, which has Lowther: if they are "
            "one club, write its name the same way in both files (the tools compare names letter "
            "by letter)\n"
            "attendances.dat: no row for Lowther, a team of table.txt\n"
            "2 problems, 0 notes\n");

  // Once a line does not read, a team of the table missing may be on it.
  edit("attendances.dat", "Kestrel                       101",
       "Kestrel                       x101");
  const ToolOutcome on = check();
  EXPECT_EQ(on.output,
            "attendances.dat:12: does not read as a team and eleven whole numbers; table_update "
            "refuses the file\n"
            "1 problem, 0 notes\n");
  EXPECT_EQ(on.status, 1);

  edit("league.dat", "Attendances_Pack = 1", "Attendances_Pack = 0");
  EXPECT_EQ(check().output, "0 problems, 0 notes\n");

  edit("league.dat", "Attendances_Pack = 0", "Attendances_Pack = 1");
  remove("attendances.dat");
  EXPECT_EQ(
      check().output,
      "attendances.dat: missing, but Attendances_Pack is on; table_update does not run without it\n"
      "1 problem, 0 notes\n");
}

TEST_F(LeagueCheck, SettingsNotReadAsWritten) {
  edit("league.dat", "Fitness = 1\nMinutes = 1\n",
       "Fitness=1\nMinutes = 1\nMinutes =\nFit_ZEP=50\nFitnes = 1\nFoo=1\nFitnessLevel = 3\n");
  edit("league.dat", "Attendances_Pack = 1", "Attendances_Pack = yes");
  edit("league.dat", "DF = Defender", "DF = Defender\nMinutes = 0");
  remove("teams.dir");
  const ToolOutcome outcome = check();
  EXPECT_EQ(
      outcome.output,
      "league.dat:7: \"Fitness=1\" is no setting; write it as key = value, with a blank on each "
      "side of =\n"
      "league.dat:9: \"Minutes =\" is read as \"Minutes = 1\", the words missing from this line "
      "taken from an earlier one; write it as key = value, with a blank on each side of =\n"
      "league.dat:10: \"Fit_ZEP=50\" is read as \"Fit_ZEP=50 = 1\", the words missing from this "
      "line taken from an earlier one; write it as key = value, with a blank on each side of =\n"
      "league.dat:11: Fitnes is no setting the tools read; did you mean Fitness?\n"
      "league.dat:15: Attendances_Pack: the value \"yes\" is not a whole number; the tools read it "
      "as 0\n"
      "league.dat:21: \"Minutes = 0\" stands below the line \"Abbrevations:\", so the tools read "
      "it as abbr_Minutes, not as the setting Minutes\n"
      "6 problems, 0 notes\n");
  EXPECT_EQ(outcome.status, 1);
}

TEST_F(LeagueCheck, RostersAsPlayerListReadsThem) {
  edit("teams.dir", "CAR.txt", "CAR.txt\nXYZ.txt");
  edit("ASH.txt", "N_Sloan       22 den", "N_Sloan       22 d en");
  edit("BRA.txt", "Gam  Min Mom", "Gam Mins Mom");
  // Dunmore's 24 players three times over, 72 in all, and a line that reads as none.
  const std::string dunmore = read_file(fs::path(EXAMPLE_LEAGUE) / "DUN.txt");
  const std::string players = dunmore.substr(dunmore.find('\n', dunmore.find('\n') + 1) + 1);
  edit("DUN.txt", players, players + players + "Dunmore squad, continued\n" + players);
  const ToolOutcome outcome = check();
  EXPECT_EQ(outcome.output,
            "ASH.txt:3: does not read as a player in the columns league.dat selects; player_list "
            "passes it over\n"
            "BRA.txt:1: the header does not name the columns league.dat selects: Name Age Nat St "
            "Tk Ps Sh Ag KAb TAb PAb SAb Gam Min Mom Sav Ktk Kps Sht Gls Ass DP Inj Sus Fit\n"
            "teams.dir:4: the roster XYZ.txt is missing; player_list stops there\n"
            "DUN.txt:51: does not read as a player in the columns league.dat selects; player_list "
            "passes it over\n"
            "DUN.txt:54: player 51; a roster holds at most 50 players, and player_list reads no "
            "further\n"
            "5 problems, 0 notes\n");
  EXPECT_EQ(outcome.status, 1);
}

TEST_F(LeagueCheck, ResultsAsTheRoundChecksThem) {
  edit("results.txt", "Kestrel 2 - 0 Carrow", "Kestral 2 - 0 Carrow\nHarwood 1 - 1 Fenwick");
  const ToolOutcome outcome = check();
  EXPECT_EQ(outcome.output,
            "results.txt:4: Kestral is not a team of table.txt; did you mean Kestrel?\n"
            "results.txt:5: note: Harwood has another result in this round (first on line 3)\n"
            "results.txt:5: note: Fenwick has another result in this round (first on line 1)\n"
            "1 problem, 2 notes\n");
  EXPECT_EQ(outcome.status, 1);
}

TEST_F(LeagueCheck, TemporaryFilesLeftBehindAreRemovedAndNamed) {
  write_file(dir_.path() / ".tmp-123456", "half a table");
  write_file(dir_.path() / ".tmp-12x", "someone else's");
  ToolRun run;
  run.program = LEAGUE_PROGRAM;
  run.args = {"check"};
  run.directory = dir_.path();
  EXPECT_EQ(run_tool(run).output,
            "Removed .tmp-123456, a temporary file that an interrupted run left behind.\n"
            "0 problems, 0 notes\n");
  EXPECT_FALSE(fs::exists(dir_.path() / ".tmp-123456"));
  EXPECT_TRUE(fs::exists(dir_.path() / ".tmp-12x"));
}

TEST_F(LeagueCheck, ByteOrderMarksAndCarriageReturnsAlone) {
  edit("league.dat", "League settings", "\xEF\xBB\xBFLeague settings");
  std::string teams = read_file(fs::path(EXAMPLE_LEAGUE) / "teams.dir");
  for (char& c : teams) {
    if (c == '\n') c = '\r';
  }
  edit("teams.dir", read_file(fs::path(EXAMPLE_LEAGUE) / "teams.dir"), teams);
  const ToolOutcome outcome = check();
  EXPECT_EQ(outcome.output,
            "league.dat:1: note: starts with a byte-order mark; the tools skip it, but other "
            "programs may read it as part of the first word\n"
            "teams.dir:1: a line ends in a carriage return alone; the tools end lines only at a "
            "line feed, so they read this line and the next as one\n"
            "1 problem, 1 note\n");
  EXPECT_EQ(outcome.status, 1);
}

ToolOutcome league_in(const fs::path& dir, const std::vector<std::string>& args) {
  ToolRun run;
  run.program = LEAGUE_PROGRAM;
  run.args = args;
  run.directory = dir;
  return run_tool(run);
}

bool says(const ToolOutcome& outcome, const std::string& words) {
  return outcome.output.find(words) != std::string::npos;
}

TEST_F(LeagueCheck, HistoryThatDoesNotReadOrDoesNotGiveTheTable) {
  ASSERT_EQ(league_in(dir_.path(), {"round"}).status, 0);
  EXPECT_EQ(check().output, "0 problems, 0 notes\n");
  const std::string before = read_file(dir_.path() / "history/1/before/table.txt");

  // A copy cut short: check names it, and undo will not install it.
  write_file(dir_.path() / "history/1/before/table.txt",
             before.substr(0, before.find("3    Fenwick")));
  EXPECT_TRUE(says(check(), "history/1/before/table.txt:")) << check().output;
  const ToolOutcome undo = league_in(dir_.path(), {"undo"});
  EXPECT_EQ(undo.status, 1);
  EXPECT_TRUE(says(undo, "history/1/before/table.txt:") && says(undo, "Nothing changed"))
      << undo.output;
  write_file(dir_.path() / "history/1/before/table.txt", before);

  // Results kept that do not read; a folder left empty.
  edit("history/1/results.txt", "Kestrel 2 - 0 Carrow", "Kestrel 2 - x Carrow");
  fs::create_directory(dir_.path() / "history/1/adjustments");
  ToolOutcome outcome = check();
  EXPECT_TRUE(says(outcome, "history/1/results.txt:4: does not read as a result"))
      << outcome.output;
  EXPECT_TRUE(says(outcome, "Removed history/1/adjustments, an empty folder")) << outcome.output;
  EXPECT_FALSE(says(outcome, "does not apply")) << "the replay's echo of the same problem";
  // Neither shown, published nor exported without the match.
  for (const std::vector<std::string>& args : {std::vector<std::string>{"status"},
                                               {"publish", "--out", "page.html"},
                                               {"export", "--csv"}}) {
    const ToolOutcome shown = league_in(dir_.path(), args);
    EXPECT_EQ(shown.status, 1);
    EXPECT_TRUE(says(shown, "history/1/results.txt:4: does not read as a result")) << shown.output;
  }
  edit("history/1/results.txt", "Kestrel 2 - x Carrow", "Kestrel 2 - 0 Carrow");

  // A round's table cut short in its last row: publish names it, page unwritten.
  const std::string left = read_file(dir_.path() / "history/1/after/table.txt");
  write_file(dir_.path() / "history/1/after/table.txt", left.substr(0, left.size() - 8));
  const ToolOutcome published = league_in(dir_.path(), {"publish", "--out", "page.html"});
  EXPECT_EQ(published.status, 1);
  EXPECT_TRUE(says(published, "history/1/after/table.txt:")) << published.output;
  EXPECT_FALSE(fs::exists(dir_.path() / "page.html"));
  write_file(dir_.path() / "history/1/after/table.txt", left);

  // The round applied once more behind league's back (its journal removed,
  // say): noticed by check, and the next round refuses to count on it.
  ASSERT_EQ(read_file(dir_.path() / "history/1/after/table.txt"),
            read_file(dir_.path() / "table.txt"));
  write_file(dir_.path() / "table.txt", before);
  outcome = check();
  EXPECT_TRUE(says(outcome, "table.txt: note: changed since history/1 left it")) << outcome.output;
  EXPECT_TRUE(says(outcome, "table.txt: not what history/'s rounds and adjustments give"))
      << outcome.output;
  EXPECT_EQ(outcome.status, 1);
  const ToolOutcome round = league_in(dir_.path(), {"round", "--again"});
  EXPECT_EQ(round.status, 1);
  EXPECT_TRUE(says(round, "table.txt: not what history/'s")) << round.output;
}

}  // namespace
}  // namespace league::testing
