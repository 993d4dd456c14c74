// Runs the tools on inputs that a case folder cannot hold: named pipes and
// /dev/zero standing where a league file belongs, and lines of many megabytes.
// Every run must end by itself, with the file's message where it cannot go on,
// and leave every league file as it was unless the run succeeds.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <map>

#include "tests/support/case_run.h"

namespace league::testing {
namespace {

namespace fs = std::filesystem;

const std::string kTable = "Pl   Team                      P    W   D   L    GF   GA   GD   Pts\n" +
                           std::string(67, '-') +
                           "\n"
                           "1    Lions                     3    2   1   0     5    2    3     7\n"
                           "2    Tigers                    3    1   0   2     4    5   -1     3\n";
const std::string kForm = "Pl   Team                           Form  \n" + std::string(40, '-') +
                          "\n"
                          "1    Lions                          WWDLWD\n"
                          "2    Tigers                         DDDDDD\n";
const std::string kAttendances =
    "Team Hfct Afct Pos Size SF Ql QlF PF Stadium Ticket Av_Ticket\n"
    "Lions 100 90 5 20000 6 1 10 3 18000 15 18\n"
    "Tigers 100 90 6 20000 6 1 10 3 18000 15 18";
const std::string kRosterHeader =
    "Name         Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Sav Ktk Kps Sht Gls Ass  DP Inj "
    "Sus\n" +
    std::string(91, '-') + "\n";
const std::string kRosterRow =
    "Adler         24 ENG  9  3  3  3  0   0   0   0   0   0   0   0   0   0   0   0   0   0   0\n";

// Many megabytes: far beyond any line buffer the readers use.
constexpr std::size_t kHugeLine = 8 << 20;

using Files = std::map<std::string, std::string>;

// A league directory holding the given files.
struct League {
  explicit League(const Files& files) {
    for (const auto& [name, text] : files) write_file(dir.path() / name, text);
  }

  // Every regular file and its contents.
  Files snapshot() const {
    Files files;
    for (const std::string& name : list_files(dir.path())) {
      files[name] = read_file(dir.path() / name);
    }
    return files;
  }

  ToolOutcome run(const std::string& tool, const std::string& input,
                  const std::vector<std::string>& args = {},
                  const std::vector<std::string>& env = {}) const {
    ToolRun run;
    run.program = fs::path(TOOLS_DIR) / tool;
    run.directory = dir.path();
    run.input = input;
    run.args = args;
    run.env = env;
    run.timeout_seconds = 60;
    return run_tool(run);
  }

  ScratchDir dir{"hostile"};
};

// One league file replaced by something that is not a regular file.
struct SpecialInput {
  std::string tool;
  Files files;
  std::string special;  // the name that is no regular file
  std::string input;
  std::vector<std::string> args;
  std::string message;  // what the output must end with
  int status;
};

void PrintTo(const SpecialInput& c, std::ostream* out) {
  *out << c.tool << " " << c.special;
}

const Files kTableLeague{{"league.dat", "Attendances_Pack = 1\n"},
                         {"table.txt", kTable},
                         {"attendances.dat", kAttendances},
                         {"results.txt", "Lions 1 - 0 Tigers\n"}};
const Files kFormLeague{{"form.txt", kForm}, {"results.txt", "Lions 1 - 0 Tigers\n"}};
const Files kPlayerLeague{{"teams.dir", "Ash.txt\n"},
                          {"Ash.txt", kRosterHeader + kRosterRow},
                          {"league.dat", "Minutes = 0\n"},
                          {"all_plrs.txt", "old listing\n"}};
const Files kSheetLeague{{"Eagles.txt", kRosterHeader + kRosterRow},
                         {"league.dat", "Fitness = 0\n"},
                         {"Eaglessht.txt", "old sheet\n"}};

std::vector<SpecialInput> special_inputs() {
  return {
      {"table_update",
       kTableLeague,
       "league.dat",
       "",
       {},
       "\nError. Failed to open league.dat\n",
       1},
      {"table_update", kTableLeague, "table.txt", "", {}, "\nFailed to open file table.txt !!", 1},
      {"table_update",
       kTableLeague,
       "results.txt",
       "",
       {},
       "\nFailed to open file results.txt !!",
       1},
      {"table_update",
       kTableLeague,
       "attendances.dat",
       "",
       {},
       "\nError. Failed to open attendances.dat file\n",
       1},
      {"form_update", kFormLeague, "form.txt", "", {}, "\nFailed to open file form.txt !!", 1},
      {"form_update",
       kFormLeague,
       "results.txt",
       "",
       {},
       "\nFailed to open file results.txt !!",
       1},
      {"player_list",
       kPlayerLeague,
       "teams.dir",
       "1\n",
       {},
       "Error ! Unable to open file teams.dir",
       1},
      {"player_list", kPlayerLeague, "Ash.txt", "1\n", {}, "\nFailed to open file Ash.txt\n !!", 1},
      {"team_sheet",
       kSheetLeague,
       "Eagles.txt",
       "",
       {"Eagles"},
       "Failed to open file Eagles.txt\n",
       1},
      // The lenient tools take a league.dat they cannot read as no settings at all.
      {"player_list", kPlayerLeague, "league.dat", "1\n", {}, "created successfully\n", 0},
      {"team_sheet", kSheetLeague, "league.dat", "", {"Eagles"}, "created successfully\n", 0},
  };
}

void expect_refused_or_ignored(const SpecialInput& c, const League& league,
                               const fs::file_type special_type) {
  const Files before = league.snapshot();
  const ToolOutcome outcome = league.run(c.tool, c.input, c.args);
  EXPECT_EQ(outcome.status, c.status) << outcome.output;
  ASSERT_GE(outcome.output.size(), c.message.size());
  EXPECT_EQ(outcome.output.substr(outcome.output.size() - c.message.size()), c.message);
  EXPECT_EQ(fs::symlink_status(league.dir.path() / c.special).type(), special_type);
  if (c.status != 0) {
    EXPECT_EQ(league.snapshot(), before);
  }
}

class SpecialInputTest : public ::testing::TestWithParam<SpecialInput> {};

TEST_P(SpecialInputTest, NamedPipeIsNotWaitedFor) {
  const SpecialInput& c = GetParam();
  Files files = c.files;
  files.erase(c.special);
  League league(files);
  ASSERT_EQ(::mkfifo((league.dir.path() / c.special).c_str(), 0644), 0);
  expect_refused_or_ignored(c, league, fs::file_type::fifo);
}

TEST_P(SpecialInputTest, EndlessDeviceIsNotRead) {
  const SpecialInput& c = GetParam();
  Files files = c.files;
  files.erase(c.special);
  League league(files);
  fs::create_symlink("/dev/zero", league.dir.path() / c.special);
  expect_refused_or_ignored(c, league, fs::file_type::symlink);
}

INSTANTIATE_TEST_SUITE_P(AllTools, SpecialInputTest, ::testing::ValuesIn(special_inputs()));

std::string table_row(int position, const std::string& team, std::vector<long long> counters) {
  char row[200];
  std::snprintf(row, sizeof row, "%-4d %-23s %3lld %4lld %3lld %3lld %5lld %4lld %4lld %5lld\n",
                position, team.c_str(), counters[0], counters[1], counters[2], counters[3],
                counters[4], counters[5], counters[6], counters[7]);
  return row;
}

TEST(HugeLines, TableUpdateReadsARoundWrittenOnOneLineAndSkipsAHugeSettingsLine) {
  constexpr long long kResults = 400000;
  std::string results;
  results.reserve(kResults * 19);
  for (long long i = 0; i < kResults; ++i) results += "Lions 1 - 0 Tigers ";
  League league({{"league.dat", std::string(kHugeLine, 'x') + "\nAttendances_Pack = 0\n"},
                 {"table.txt", kTable},
                 {"results.txt", results}});

  const ToolOutcome outcome = league.run("table_update", "");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.output, "Table updated successfully\nPress a key.\n");
  const long long n = kResults;
  EXPECT_EQ(read_file(league.dir.path() / "table.txt"),
            "Pl   Team                      P    W   D   L    GF   GA   GD   Pts\n" +
                std::string(67, '-') + "\n" +
                table_row(1, "Lions", {3 + n, 2 + n, 1, 0, 5 + n, 2, 3 + n, 7 + 3 * n}) +
                table_row(2, "Tigers", {3 + n, 1, 0, 2 + n, 4, 5 + n, -1 - n, 3}));
}

TEST(HugeLines, TableUpdateDropsTheTailOfAHugeAttendancesRow) {
  League league({{"league.dat", "Attendances_Pack = 1\n"},
                 {"table.txt", kTable},
                 {"attendances.dat", kAttendances + " " + std::string(kHugeLine, '7') + "\n"},
                 {"results.txt", "Lions 1 - 0 Tigers\n"}});

  const ToolOutcome outcome = league.run("table_update", "");
  EXPECT_EQ(outcome.status, 0) << outcome.output.substr(0, 200);
  const std::string attendances = read_file(league.dir.path() / "attendances.dat");
  EXPECT_LT(attendances.size(), 1000u);
  EXPECT_NE(attendances.find("\nTigers "), std::string::npos);
}

TEST(HugeLines, TableUpdateNamesAHugeUnknownTeamAndChangesNothing) {
  const std::string team(kHugeLine, 'T');
  League league(
      {{"league.dat", ""}, {"table.txt", kTable}, {"results.txt", team + " 1 - 0 Lions"}});
  const Files before = league.snapshot();

  const ToolOutcome outcome = league.run("table_update", "");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.output, "\nError ! Team " + team + " not found in the table !!");
  EXPECT_EQ(league.snapshot(), before);
}

TEST(HugeLines, FormUpdateIgnoresAHugeTailAfterTheFormString) {
  const std::size_t cut = kForm.find("WWDLWD") + 6;
  std::string form = kForm.substr(0, cut);
  form.append(1, ' ').append(kHugeLine, 'x').append(kForm.substr(cut));
  League league({{"form.txt", form}, {"results.txt", "Lions 1 - 0 Tigers\n"}});

  const ToolOutcome outcome = league.run("form_update", "");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(read_file(league.dir.path() / "form.txt"),
            "Pl   Team                           Form  \n" + std::string(40, '-') +
                "\n"
                "1    Lions                          WDLWDW\n"
                "2    Tigers                         DDDDDL\n");
}

TEST(HugeLines, PlayerListSkipsAHugeRosterLine) {
  League league({{"teams.dir", "Ash.txt"},
                 {"Ash.txt", kRosterHeader + std::string(kHugeLine, '5') + "\n" + kRosterRow},
                 {"league.dat", ""}});

  const ToolOutcome outcome = league.run("player_list", "1\n");
  EXPECT_EQ(outcome.status, 0);
  const std::string listing = read_file(league.dir.path() / "all_plrs.txt");
  EXPECT_LT(listing.size(), 1000u);
  EXPECT_NE(listing.find("\nAsh  Adler "), std::string::npos);
}

// player_list makes room for full rosters before it reads any; millions of
// names in teams.dir must not claim memory for players no roster holds.
TEST(HugeLines, PlayerListRefusesTheFirstMissingRosterOfAHugeTeamsDir) {
  // Eight million names: room for 50 players each would be far more memory
  // than any machine running the tests has.
  std::string names;
  for (std::size_t i = 0; i < 8'000'000; ++i) names += "r ";
  League league({{"teams.dir", names}, {"all_plrs.txt", "old listing\n"}});
  const Files before = league.snapshot();

  const ToolOutcome outcome = league.run("player_list", "1\n");
  EXPECT_EQ(outcome.status, 1);
  const std::string message = "\nProcessing r\nFailed to open file r\n !!";
  ASSERT_GE(outcome.output.size(), message.size());
  EXPECT_EQ(outcome.output.substr(outcome.output.size() - message.size()), message);
  EXPECT_EQ(league.snapshot(), before);
}

TEST(HugeLines, TeamSheetSkipsAHugeRosterLine) {
  League league({{"Eagles.txt", kRosterHeader + std::string(kHugeLine, '\0') + "\n" + kRosterRow}});

  const ToolOutcome outcome = league.run("team_sheet", "", {"Eagles"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.output, "Eaglessht.txt created successfully\n");
  EXPECT_NE(read_file(league.dir.path() / "Eaglessht.txt").find("GK Adler\n"), std::string::npos);
}

// Lines are read in pieces; a line of 60 MB without a single line end once
// cost the square of its length. These runs must end, with the usual result.
TEST(HugeLines, SixtyMegabyteSingleLineSettingsAndRostersEnd) {
  const std::string line(60 << 20, 'x');
  League league({{"league.dat", line},
                 {"Eagles.txt", line},
                 {"Ash.txt", kRosterHeader + line},
                 {"teams.dir", "Ash.txt"}});

  const ToolOutcome sheet = league.run("team_sheet", "", {"Eagles"});
  EXPECT_EQ(sheet.status, 0);
  EXPECT_EQ(sheet.output, "Eaglessht.txt created successfully\n");

  const ToolOutcome listing = league.run("player_list", "1\n");
  EXPECT_EQ(listing.status, 0);
  EXPECT_NE(
      listing.output.find("\nProcessing Ash.txt\n\nFile <all_plrs.txt> created successfully\n"),
      std::string::npos);
}

}  // namespace
}  // namespace league::testing
