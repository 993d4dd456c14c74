// Kills `league round`, `league undo`, `league publish`, `league new`,
// `league withdraw`, `league zone` and `league ground` with SIGKILL right after
// each of their changes to the file system in turn, every one of them (the
// preloaded library tests/kill/kill_at.cpp counts them). After each kill the
// next command, `league check`, must leave the folder exactly as it was before
// the killed command or exactly as an undisturbed run leaves it, every file
// and the history byte for byte, with no temporary file or lock left, and say
// which in one line; and a further command must then do what the recorded
// rounds say, so that no round counts twice.
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <optional>
#include <sstream>

#include "tests/support/case_run.h"

namespace league::testing {
namespace {

namespace fs = std::filesystem;

// Every file below a folder with its contents; a round's `applied` holds the
// minute of its run, and a new season's identifier is drawn afresh, which two
// runs need not share.
using Snapshot = FolderContents;

Snapshot snapshot(const fs::path& dir) {
  Snapshot files = folder_contents(dir);
  for (auto& [name, contents] : files) {
    if (fs::path(name).filename() == "applied") contents = "(the time of the round)";
    if (name == "history/season") contents = "(the season's identifier)";
  }
  return files;
}

// Every run has the kill library preloaded, which spares it the waits for the
// disk; `setting` asks the library to kill the run or to count.
ToolOutcome league(const fs::path& dir, const std::vector<std::string>& args,
                   const std::string& setting = "LEAGUE_KILL_AT=0") {
  ToolRun run;
  run.program = fs::path(TOOLS_DIR) / "league";
  run.args = args;
  run.directory = dir;
  run.env = {"LD_PRELOAD=" KILL_LIBRARY, setting};
  return run_tool(run);
}

ToolOutcome league_killed_at(const fs::path& dir, const std::vector<std::string>& args, long n) {
  return league(dir, args, "LEAGUE_KILL_AT=" + std::to_string(n));
}

long count_changes(const fs::path& dir, const std::vector<std::string>& args) {
  ScratchDir count("interruption-count");
  const fs::path file = count.path() / "count";
  const ToolOutcome outcome = league(dir, args, "LEAGUE_KILL_COUNT=" + file.string());
  EXPECT_EQ(outcome.status, 0) << outcome.output;
  return std::stol(read_file(file));
}

void copy_league(const fs::path& from, const fs::path& to) {
  for (const auto& entry : fs::directory_iterator(to)) fs::remove_all(entry.path());
  fs::copy(from, to, fs::copy_options::recursive);
}

bool says(const std::string& output, const std::string& word) {
  return output.find(word) != std::string::npos;
}

// The empty folders below the league folder.
std::vector<std::string> empty_folders(const fs::path& dir) {
  std::vector<std::string> empty;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (entry.is_directory() && fs::is_empty(entry.path()))
      empty.push_back(entry.path().lexically_relative(dir).generic_string());
  }
  return empty;
}

// Kills `args` run on a copy of `start` after each of its changes in turn;
// `further` run after the recovery must always end in the state `settled`
// (when there is one).
void kill_at_every_change(const fs::path& start, const std::vector<std::string>& args,
                          const std::vector<std::string>& further, const Snapshot& settled) {
  ScratchDir league_dir("interruption");
  const fs::path dir = league_dir.path();
  copy_league(start, dir);
  const Snapshot before = snapshot(dir);
  const long changes = count_changes(dir, args);
  const Snapshot after = snapshot(dir);
  ASSERT_NE(before, after);
  ASSERT_GT(changes, 5) << "the kill library is not counting";

  int completed = 0;
  int rolled_back = 0;
  for (long n = 1; n <= changes; ++n) {
    copy_league(start, dir);
    const ToolOutcome killed = league_killed_at(dir, args, n);
    ASSERT_EQ(killed.status, -1) << "not killed at change " << n << ": " << killed.output;

    const ToolOutcome next = league(dir, {"check"});
    EXPECT_EQ(empty_folders(dir), std::vector<std::string>{}) << "killed at change " << n;
    const Snapshot now = snapshot(dir);
    const bool is_before = now == before;
    const bool is_after = now == after;
    EXPECT_TRUE(is_before || is_after) << "killed at change " << n << " of " << changes;
    if (says(next.output, "which an interrupted run had begun")) {
      const bool completing = says(next.output, "Completed ");
      EXPECT_TRUE(completing ? is_after : is_before) << n << ": " << next.output;
      ++(completing ? completed : rolled_back);
    }

    if (further.empty()) continue;
    const ToolOutcome then = league(dir, further);
    EXPECT_EQ(snapshot(dir), settled) << "killed at change " << n << ", then " << then.output;
  }
  // Kills both before and after the commit point were caught.
  EXPECT_GT(completed, 0);
  EXPECT_GT(rolled_back, 0);
  std::cout << changes << " kill points: " << completed << " completed, " << rolled_back
            << " rolled back\n";
}

// Why the kill library cannot run here, nothing when it can: a program built
// with a sanitizer's runtime (through CMAKE_CXX_FLAGS, say) refuses to start
// with another library preloaded before that runtime.
std::optional<std::string> preload_refused() {
  static const std::optional<std::string> refused = []() -> std::optional<std::string> {
    ScratchDir dir("interruption-preload");
    const ToolOutcome outcome = league(dir.path(), {"--version"});
    if (outcome.status == 0) return std::nullopt;
    return "league does not run with the kill library preloaded (a sanitizer build?): " +
           outcome.output;
  }();
  return refused;
}

class KillTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const auto why = preload_refused()) GTEST_SKIP() << *why;
  }
};

class InterruptionTest : public KillTest {
 protected:
  // The example league after round 1, with round 2's results in results.txt
  // as people type them (so that the round keeps typed.txt as well); and the
  // same after round 2.
  void SetUp() override {
    KillTest::SetUp();
    if (IsSkipped()) return;
    fs::copy(fs::path(EXAMPLES_DIR) / "league", round_1_.path(), fs::copy_options::recursive);
    ASSERT_EQ(league(round_1_.path(), {"round"}).status, 0);
    write_file(round_1_.path() / "results.txt",
               "Kestrel 1-0 Ashford\nLowther 2 - 2 Harwood\nCarrow 0:3 Fenwick\n");
    copy_league(round_1_.path(), round_2_.path());
    ASSERT_EQ(league(round_2_.path(), {"round"}).status, 0);
  }

  ScratchDir round_1_{"interruption-round-1"};
  ScratchDir round_2_{"interruption-round-2"};
};

TEST_F(InterruptionTest, RoundKilledAtAnyChangeIsCompletedOrRolledBack) {
  // From either outcome another `league round` leaves round 2 applied once.
  kill_at_every_change(round_1_.path(), {"round"}, {"round"}, snapshot(round_2_.path()));
}

TEST_F(InterruptionTest, UndoOfAnAdjustmentKilledAtAnyChangeLeavesNoEmptyFolder) {
  ScratchDir adjusted("interruption-adjusted");
  copy_league(round_2_.path(), adjusted.path());
  ASSERT_EQ(
      league(adjusted.path(), {"adjust", "Carrow", "-3", "--reason", "ineligible player"}).status,
      0);
  kill_at_every_change(adjusted.path(), {"undo"}, {}, {});
}

// A journal removed by hand after a kill: no message speaks of a rollback
// that did not happen, and the round never counts twice.
TEST_F(InterruptionTest, ARoundWhoseJournalIsRemovedByHandNeverCountsTwice) {
  ScratchDir league_dir("interruption-lost-journal");
  const fs::path dir = league_dir.path();
  copy_league(round_1_.path(), dir);
  const long changes = count_changes(dir, {"round"});
  const std::string table_before = read_file(round_1_.path() / "table.txt");
  const std::string table_after = read_file(round_2_.path() / "table.txt");
  for (long n = 1; n <= changes; ++n) {
    copy_league(round_1_.path(), dir);
    ASSERT_EQ(league_killed_at(dir, {"round"}, n).status, -1);
    fs::remove(dir / "history" / "journal");
    const ToolOutcome next = league(dir, {"check"});
    const std::string table = read_file(dir / "table.txt");
    if (says(next.output, "Rolled back")) {
      EXPECT_EQ(table, table_before) << n << next.output;
    }
    league(dir, {"round"});
    const std::string now = read_file(dir / "table.txt");
    EXPECT_TRUE(now == table_before || now == table_after) << "killed at change " << n << ":\n"
                                                           << now;
  }
}

// Round 2's journal cut short in its last line by a kill and a full disk:
// league recover, killed at any change, is run again and ends where one
// uninterrupted run ends.
TEST_F(InterruptionTest, RecoverKilledAtAnyChangeEndsAsOneRunDoes) {
  ScratchDir start("interruption-recover");
  for (long n = 1; !fs::exists(start.path() / "history" / "journal"); ++n) {
    copy_league(round_1_.path(), start.path());
    ASSERT_EQ(league_killed_at(start.path(), {"round"}, n).status, -1) << n;
  }
  const std::string journal = read_file(start.path() / "history" / "journal");
  write_file(start.path() / "history" / "journal", journal.substr(0, journal.size() - 5));
  ASSERT_EQ(league(start.path(), {"check"}).status, 1);
  ScratchDir done("interruption-recover-done");
  copy_league(start.path(), done.path());
  const long changes = count_changes(done.path(), {"recover"});
  const Snapshot settled = snapshot(done.path());
  ScratchDir league_dir("interruption-recover-killed");
  for (long n = 1; n <= changes; ++n) {
    copy_league(start.path(), league_dir.path());
    ASSERT_EQ(league_killed_at(league_dir.path(), {"recover"}, n).status, -1) << n;
    const ToolOutcome again = league(league_dir.path(), {"recover"});
    EXPECT_EQ(again.status, 0) << again.output;
    EXPECT_EQ(snapshot(league_dir.path()), settled) << "killed at change " << n;
  }
}

TEST_F(InterruptionTest, UndoKilledAtAnyChangeIsCompletedOrRolledBack) {
  // Whether round 2 was undone or not, `league round` leaves it applied once.
  kill_at_every_change(round_2_.path(), {"undo"}, {"round"}, snapshot(round_2_.path()));
}

TEST_F(InterruptionTest, PublishKilledAtAnyChangeLeavesNoOldOutputBesideANewOne) {
  // The page, JSON and the pages beside it of round 1 stand beside the files of round 2.
  const std::vector<std::string> args{"publish", "--json", "league.json", "--pages"};
  ScratchDir start("interruption-publish");
  copy_league(round_1_.path(), start.path());
  ASSERT_EQ(league(start.path(), args).status, 0);
  ASSERT_EQ(league(start.path(), {"round"}).status, 0);
  ScratchDir settled("interruption-publish-settled");
  copy_league(start.path(), settled.path());
  ASSERT_EQ(league(settled.path(), args).status, 0);
  kill_at_every_change(start.path(), args, args, snapshot(settled.path()));
}

// Award, move and postpone, each killed on the example league with drawn
// fixtures: run again, each is refused when it was done, done when it was not.
TEST_F(KillTest, FixtureChangesAndAwardsKilledAtAnyChangeAreCompletedOrRolledBack) {
  ScratchDir start("interruption-fixtures");
  fs::copy(fs::path(EXAMPLES_DIR) / "league", start.path(), fs::copy_options::recursive);
  ASSERT_EQ(league(start.path(), {"fixtures", "--seed", "3", "--start", "2027-01-02"}).status, 0);
  std::vector<std::vector<std::string>> pairings;
  std::istringstream lines(read_file(start.path() / "fixtures.txt"));
  for (std::string line; std::getline(lines, line) && pairings.size() < 3;) {
    std::istringstream words(line);
    std::string home, dash, away;
    if (words >> home >> dash >> away && dash == "-") pairings.push_back({home, away});
  }
  ASSERT_EQ(pairings.size(), 3u);
  const std::vector<std::vector<std::string>> commands{
      {"award", pairings[0][0], pairings[0][1], "3-0", "--reason", "no team"},
      {"fixtures", "move", pairings[1][0], pairings[1][1], "2027-01-05", "19:45"},
      {"fixtures", "postpone", pairings[2][0], pairings[2][1]}};
  for (const std::vector<std::string>& args : commands) {
    SCOPED_TRACE(args[0] + " " + args[1]);
    ScratchDir settled("interruption-fixtures-settled");
    copy_league(start.path(), settled.path());
    ASSERT_EQ(league(settled.path(), args).status, 0);
    kill_at_every_change(start.path(), args, args, snapshot(settled.path()));
  }
}

// Withdraws Carrow from round 2's league, with fixtures drawn, killed after
// each change; `league withdraw` again then leaves it withdrawn once.
void kill_withdrawal(const fs::path& round_2, const std::string& how) {
  ScratchDir start("interruption-withdraw");
  copy_league(round_2, start.path());
  ASSERT_EQ(league(start.path(), {"fixtures", "--seed", "5"}).status, 0);
  ScratchDir settled("interruption-withdrawn");
  copy_league(start.path(), settled.path());
  const std::vector<std::string> args{"withdraw", "Carrow", how, "--reason", "folded"};
  ASSERT_EQ(league(settled.path(), args).status, 0);
  kill_at_every_change(start.path(), args, args, snapshot(settled.path()));
}

TEST_F(InterruptionTest, WithdrawalsKilledAtAnyChangeAreCompletedOrRolledBack) {
  kill_withdrawal(round_2_.path(), "--expunge");
  kill_withdrawal(round_2_.path(), "--keep-record");
}

TEST_F(KillTest, NewSeasonKilledAtAnyChangeIsCompletedOrRolledBack) {
  ScratchDir start("interruption-new");
  write_file(start.path() / "league.dat", "Attendances_Pack = 0\n");
  const std::vector<std::string> args{"new", "Avon", "Bure", "Colne", "Dee"};
  ScratchDir settled("interruption-new-settled");
  copy_league(start.path(), settled.path());
  ASSERT_EQ(league(settled.path(), args).status, 0);
  kill_at_every_change(start.path(), args, args, snapshot(settled.path()));
}

// Takes the lock away from the next commands as a read-only mount or another
// account would: history/lock a folder, which no one can open to write, not
// even root, for whom the modes also set here mean nothing.
void make_read_only(const fs::path& dir) {
  fs::remove(dir / "history" / "lock");
  fs::create_directory(dir / "history" / "lock");
  for (const fs::path& folder : {dir, dir / "history"})
    fs::permissions(folder,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

void make_writable(const fs::path& dir) {
  for (const fs::path& folder : {dir, dir / "history"})
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
  fs::remove(dir / "history" / "lock");
}

TEST_F(InterruptionTest, ARoundKilledMidWayIsShownToNoOneWhoCannotRecoverIt) {
  ScratchDir league_dir("interruption-read-only");
  const fs::path dir = league_dir.path();
  copy_league(round_1_.path(), dir);
  const long changes = count_changes(dir, {"round"});
  int refused = 0;
  for (long n = 1; n <= changes; ++n) {
    copy_league(round_1_.path(), dir);
    ASSERT_EQ(league_killed_at(dir, {"round"}, n).status, -1);
    const bool half_changed =
        fs::exists(dir / "history" / "journal") || fs::exists(dir / "history" / "rollback");
    make_read_only(dir);
    const Snapshot held = snapshot(dir);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"check"}, {"status"}, {"publish", "--json", "league.json"}}) {
      const ToolOutcome outcome = league(dir, args);
      if (!half_changed) continue;
      EXPECT_EQ(outcome.status, 1) << n << ": " << args[0] << ": " << outcome.output;
      EXPECT_TRUE(says(outcome.output, "history/journal") && says(outcome.output, "league check"))
          << outcome.output;
      EXPECT_EQ(snapshot(dir), held) << n << ": " << args[0];
    }
    refused += half_changed ? 1 : 0;
    make_writable(dir);
    // An account that may write completes it.
    EXPECT_EQ(league(dir, {"check"}).status, 0) << n;
  }
  EXPECT_GT(refused, 0);
}

TEST_F(KillTest, ImportKilledAtAnyChangeIsCompletedOrRolledBack) {
  ScratchDir start("interruption-import");
  write_file(start.path() / "league.dat", "Attendances_Pack = 0\n");
  write_file(start.path() / "season.csv",
             "Date,Time,HomeTeam,AwayTeam,FTHG,FTAG\n01/08/2026,15:00,Avon,Bure,2,1\n"
             "01/08/2026,15:00,Colne,Dee,0,0\n08/08/2026,15:00,Bure,Colne,1,1\n"
             "08/08/2026,15:00,Dee,Avon,0,3\n15/08/2026,15:00,Avon,Colne,,\n");
  const std::vector<std::string> args{"import", "season.csv"};
  ScratchDir settled("interruption-import-settled");
  copy_league(start.path(), settled.path());
  ASSERT_EQ(league(settled.path(), args).status, 0);
  kill_at_every_change(start.path(), args, args, snapshot(settled.path()));
}

TEST_F(InterruptionTest, ZoneAndGroundKilledAtAnyChangeAreCompletedOrRolledBack) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"zone", "America/New_York"},
           {"ground", "Harwood", "Mill Lane", "--address", "Mill Lane, Harwood"}}) {
    ScratchDir settled("interruption-settled");
    copy_league(round_2_.path(), settled.path());
    ASSERT_EQ(league(settled.path(), args).status, 0);
    kill_at_every_change(round_2_.path(), args, args, snapshot(settled.path()));
  }
}

}  // namespace
}  // namespace league::testing
