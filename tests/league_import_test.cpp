// `league import` and `league export` run as programs: a real season imported
// is the season `league round` gives played week by week; files whose dates
// put matches out of place are refused with nothing changed; an export imports
// back to the same league; a spreadsheet's UTF-16 CSV reads as its UTF-8 one;
// a folder with a season played is refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/case_run.h"

namespace league::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kSeasons = SEASONS_DIR;
const std::string kSeasonBase = (kSeasons / "en.1-2019-20").string();

ToolOutcome league(const fs::path& dir, const std::vector<std::string>& args) {
  ToolRun run;
  run.program = "/bin/sh";
  run.args = {"-c", "exec \"$0\" \"$@\" 2>&1", (fs::path(TOOLS_DIR) / "league").string()};
  run.args.insert(run.args.end(), args.begin(), args.end());
  run.directory = dir;
  return run_tool(run);
}

bool have_real_season() {
  return fs::exists(kSeasonBase + ".txt");
}

// The files two leagues must agree on: the league files and every round of
// history (its results, copies and date).
FolderContents league_files(const fs::path& dir) {
  FolderContents all = folder_contents(dir);
  FolderContents kept;
  for (auto& [path, contents] : all) {
    const bool history = path.rfind("history/", 0) == 0 && path != "history/name";
    if (history || path == "table.txt" || path == "form.txt" || path == "fixtures.txt")
      kept[path] = contents;
  }
  return kept;
}

// A small season: names with blanks and an ampersand, a match put off and
// played later, one postponed still, and matches to come.
constexpr const char* kSmallTxt =
    "= Riverside League 2026/27\n"
    "\n"
    "Matchday 1\n"
    "[Sat Aug/1 2026]\n"
    "  15.00  St Mary's          2-1  Hope & Anchor\n"
    "  15.00  Ashford Town       0-0  Bexley\n"
    "\n"
    "Matchday 2\n"
    "[Sat Aug/8 2026]\n"
    "  15.00  Bexley             1-3  St Mary's\n"
    "  15.00  Hope & Anchor      -    Ashford Town   [postponed]\n"
    "\n"
    "Matchday 3\n"
    "[Sat Aug/15 2026]\n"
    "  15.00  St Mary's          1-1  Ashford Town\n"
    "  15.00  Bexley             2-2  Hope & Anchor\n"
    "\n"
    "Matchday 2\n"
    "[Wed Aug/19 2026]\n"
    "  19.45  Hope & Anchor      0-1  Ashford Town\n"
    "\n"
    "Matchday 4\n"
    "[Sat Aug/22 2026]\n"
    "  15.00  Hope & Anchor      -    St Mary's\n"
    "  15.00  Bexley             -    Ashford Town   [postponed]\n"
    "\n"
    "Matchday 5\n"
    "[Sat Aug/29 2026]\n"
    "  15.00  Ashford Town       -    St Mary's\n";

TEST(LeagueImport, TheRealSeasonIsTheOneLeagueRoundGivesWeekByWeek) {
  if (!have_real_season()) GTEST_SKIP() << kSeasons << " is absent";
  ScratchDir imported("import-txt");
  const ToolOutcome run = league(imported.path(), {"import", kSeasonBase + ".txt"});
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("380 results in 42 rounds, 0 matches to come"), std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("Leader: Liverpool FC, 99 points from 38 games."), std::string::npos);
  EXPECT_EQ(read_file(imported.path() / "history/1/applied"), "2019-08-09 20:00\n");
  EXPECT_EQ(read_file(imported.path() / "history/42/applied"), "2020-07-26 16:00\n");

  // The same results, round by round, through `league round` in a new league
  // with the teams in the same order.
  ScratchDir played("import-rounds");
  std::vector<std::string> args{"new"};
  const std::string start = read_file(imported.path() / "history/1/before/table.txt");
  for (std::size_t at = start.find("\n", start.find("\n") + 1); at + 1 < start.size();
       at = start.find('\n', at + 1)) {
    std::string row = start.substr(at + 1, start.find('\n', at + 1) - at - 1);
    const std::size_t name = row.find_first_not_of(' ', row.find(' '));
    args.push_back(row.substr(name, row.find(' ', name) - name));
  }
  ASSERT_EQ(args.size(), 21u);
  ASSERT_EQ(league(played.path(), args).status, 0);
  std::string last_date;
  for (int round = 1; round <= 42; ++round) {
    const fs::path kept = imported.path() / "history" / std::to_string(round);
    const std::string date = read_file(kept / "applied");
    EXPECT_LE(last_date, date) << "round " << round << " out of date order";
    last_date = date;
    write_file(played.path() / "results.txt", read_file(kept / "results.txt"));
    const ToolOutcome step = league(played.path(), {"round"});
    ASSERT_EQ(step.status, 0) << "round " << round << ": " << step.output;
    for (const char* file : {"table.txt", "form.txt"}) {
      ASSERT_EQ(read_file(played.path() / file), read_file(kept / "after" / file))
          << file << " after round " << round;
    }
  }
  for (const char* file : {"table.txt", "form.txt"})
    EXPECT_EQ(read_file(played.path() / file), read_file(imported.path() / file)) << file;
  EXPECT_EQ(league(imported.path(), {"check"}).status, 0);

  // Imported again into a league with a season played: refused, nothing changed.
  const FolderContents before = folder_contents(imported.path());
  const ToolOutcome again = league(imported.path(), {"import", kSeasonBase + ".txt"});
  EXPECT_NE(again.status, 0);
  EXPECT_NE(again.output.find("history: holds a season already played"), std::string::npos);
  EXPECT_EQ(folder_contents(imported.path()), before);

  // Each shape exported imports back to the same league.
  for (const char* shape : {"--csv", "--football-json", "--football-txt"}) {
    write_file(imported.path() / "out", league(imported.path(), {"export", shape}).output);
    ScratchDir back("import-back");
    const ToolOutcome reread = league(back.path(), {"import", (imported.path() / "out").string()});
    ASSERT_EQ(reread.status, 0) << shape << ": " << reread.output;
    fs::remove(imported.path() / "out");
    EXPECT_EQ(league_files(back.path()), league_files(imported.path())) << shape;
  }
}

// The JSON and the CSV date July 2020's matches in July 2019: read a year
// later, said so, they give the files the Football.TXT gives.
TEST(LeagueImport, MatchesDatedAYearEarlyAreReadAYearLaterAndSaidSo) {
  if (!have_real_season()) GTEST_SKIP() << kSeasons << " is absent";
  ScratchDir txt("import-right-year");
  ASSERT_EQ(league(txt.path(), {"import", kSeasonBase + ".txt"}).status, 0);
  for (const char* shape : {".json", ".csv"}) {
    ScratchDir dir("import-wrong-year");
    const ToolOutcome run = league(dir.path(), {"import", kSeasonBase + shape});
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find(": read as 2020-07-01, a year later.\n"), std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find(": 65 more dates like it read a year later"), std::string::npos);
    for (const char* file : {"table.txt", "form.txt", "fixtures.txt"})
      EXPECT_EQ(read_file(dir.path() / file), read_file(txt.path() / file)) << shape << file;
  }
}

TEST(LeagueImport, ASmallSeasonWithMatchesToComeRoundTrips) {
  ScratchDir dir("import-small");
  write_file(dir.path() / "season.txt", kSmallTxt);
  // Into a league just started with the same teams: its order is kept.
  ASSERT_EQ(
      league(dir.path(), {"new", "Bexley", "St_Mary's", "Ashford_Town", "Hope_&_Anchor"}).status,
      0);
  const ToolOutcome run = league(dir.path(), {"import", "season.txt"});
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("6 results in 4 rounds, 3 matches to come"), std::string::npos)
      << run.output;
  EXPECT_EQ(read_file(dir.path() / "fixtures.txt"),
            "Round 1 2026-08-01 15:00\nSt Mary's - Hope & Anchor\nAshford Town - Bexley\n"
            "\nRound 2 2026-08-08 15:00\nBexley - St Mary's\n"
            "\nRound 3 2026-08-15 15:00\nSt Mary's - Ashford Town\nBexley - Hope & Anchor\n"
            "\nRound 4 2026-08-19 19:45\nHope & Anchor - Ashford Town\n"
            "\nRound 5 2026-08-22 15:00\nHope & Anchor - St Mary's\nBexley - Ashford Town\n"
            "\nRound 6 2026-08-29 15:00\nAshford Town - St Mary's\n");
  EXPECT_NE(read_file(dir.path() / "history/1/before/table.txt").find("1    Bexley"),
            std::string::npos);
  // The next round goes on from the fixtures.
  write_file(dir.path() / "results.txt",
             "Hope_&_Anchor 1 - 0 St_Mary's\nBexley 0 - 2 Ashford_Town\n");
  const ToolOutcome next = league(dir.path(), {"round"});
  EXPECT_EQ(next.status, 0) << next.output;
  EXPECT_NE(next.output.find("Round 5:"), std::string::npos) << next.output;
  // A match of round 6 moved to a day of its own keeps it when played with
  // round 5's results.
  ScratchDir moved("import-small-moved");
  fs::copy(dir.path(), moved.path(), fs::copy_options::recursive);
  ASSERT_EQ(league(moved.path(), {"undo"}).status, 0);
  ASSERT_EQ(
      league(moved.path(), {"fixtures", "move", "Ashford Town", "St Mary's", "2026-08-24", "19:30"})
          .status,
      0);
  write_file(moved.path() / "results.txt",
             "Hope_&_Anchor 1 - 0 St_Mary's\nBexley 0 - 2 Ashford_Town\n"
             "Ashford_Town 1 - 1 St_Mary's\n");
  const ToolOutcome brought = league(moved.path(), {"round"});
  ASSERT_EQ(brought.status, 0) << brought.output;
  EXPECT_NE(league(moved.path(), {"export", "--csv"}).output.find("24/08/2026,19:30,Ashford Town"),
            std::string::npos);

  for (const char* shape : {"--csv", "--football-json", "--football-txt"}) {
    const ToolOutcome exported = league(dir.path(), {"export", shape, "--out", "season.out"});
    ASSERT_EQ(exported.status, 0) << exported.output;
    ScratchDir back("import-small-back");
    const ToolOutcome reread =
        league(back.path(), {"import", (dir.path() / "season.out").string()});
    ASSERT_EQ(reread.status, 0) << shape << ": " << reread.output;
    for (const char* file : {"table.txt", "form.txt", "fixtures.txt"})
      EXPECT_EQ(read_file(back.path() / file), read_file(dir.path() / file)) << shape << file;
  }
}

TEST(LeagueImport, AUtf16CsvReadsAsItsUtf8) {
  const std::string csv =
      "Div,Date,Time,HomeTeam,AwayTeam,FTHG,FTAG,FTR\r\n"
      "E9,01/08/26,15:00,Café Rovers,Bexley,2,1,H\r\n"
      "E9,08/08/26,15:00,Bexley,Café Rovers,0,0,D\r\n"
      "E9,15/08/26,15:00,Café Rovers,Bexley,,,\r\n";
  ScratchDir narrow("import-utf8");
  write_file(narrow.path() / "season.csv", csv);
  ASSERT_EQ(league(narrow.path(), {"import", "season.csv"}).status, 0);
  // UTF-16 little-endian with its byte-order mark, as spreadsheets save it.
  std::u16string wide =
      u"\uFEFFDiv,Date,Time,HomeTeam,AwayTeam,FTHG,FTAG,FTR\r\n"
      u"E9,01/08/26,15:00,Caf\u00E9 Rovers,Bexley,2,1,H\r\n"
      u"E9,08/08/26,15:00,Bexley,Caf\u00E9 Rovers,0,0,D\r\n"
      u"E9,15/08/26,15:00,Caf\u00E9 Rovers,Bexley,,,\r\n";
  std::string bytes;
  for (const char16_t unit : wide) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  ScratchDir spread("import-utf16");
  write_file(spread.path() / "season.csv", bytes);
  const ToolOutcome run = league(spread.path(), {"import", "season.csv", "--format", "csv"});
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(league_files(spread.path()), league_files(narrow.path()));
  EXPECT_NE(read_file(spread.path() / "table.txt").find("Café_Rovers"), std::string::npos);
  // A bad score is named at its line, nothing written.
  ScratchDir bad("import-bad");
  write_file(bad.path() / "season.csv",
             "Date,HomeTeam,AwayTeam,FTHG,FTAG\n01/08/2026,A,B,x,1\n08/08/2026,B,A,1,1\n");
  const ToolOutcome refused = league(bad.path(), {"import", "season.csv"});
  EXPECT_NE(refused.status, 0);
  EXPECT_NE(refused.output.find("season.csv:2: "), std::string::npos) << refused.output;
  EXPECT_EQ(list_files(bad.path()), std::vector<std::string>{"season.csv"});
}

}  // namespace
}  // namespace league::testing
