// Kills table_update and form_update with SIGKILL at random moments while they
// rewrite a large league, again and again. After every kill each league file
// must be either its complete old or its complete new version, and a later run
// must not be disturbed by what the killed one left behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

#include "tests/support/case_run.h"

namespace league::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kTeams = 20000;
constexpr int kKills = 40;

std::string team(int i) {
  return "Team" + std::to_string(100000 + i);
}

// A large league: every team in one result, attendances on.
void write_league(const fs::path& dir) {
  std::string table = "Pl   Team                      P    W   D   L    GF   GA   GD   Pts\n" +
                      std::string(67, '-') + "\n";
  std::string form = "Pl   Team                           Form  \n" + std::string(40, '-') + "\n";
  std::string attendances = "Team Hfct Afct Pos Size SF Ql QlF PF Stadium Ticket Av_Ticket";
  std::string results;
  for (int i = 0; i < kTeams; ++i) {
    table += std::to_string(i + 1) + " " + team(i) + " 3 1 1 1 4 4 0 4\n";
    form += std::to_string(i + 1) + " " + team(i) + " WDLWDL\n";
    attendances += "\n" + team(i) + " 100 100 60 20 50 3 100 100 20000 20 20";
    if (i % 2 == 1) {
      results += team(i - 1) + " " + std::to_string(i % 5) + " - 1 " + team(i) + "\n";
    }
  }
  write_file(dir / "table.txt", table);
  write_file(dir / "form.txt", form);
  write_file(dir / "attendances.dat", attendances);
  write_file(dir / "results.txt", results);
  write_file(dir / "league.dat", "Attendances_Pack = 1\n");
}

struct Versions {
  std::string old_text;
  std::string new_text;
};

void kill_repeatedly(const std::string& tool, const std::vector<std::string>& files) {
  ScratchDir original("crash-original");
  write_league(original.path());

  // One undisturbed run gives the new versions and how long a run takes.
  ScratchDir reference("crash-reference");
  fs::copy(original.path(), reference.path(), fs::copy_options::recursive);
  ToolRun run;
  run.program = fs::path(TOOLS_DIR) / tool;
  run.directory = reference.path();
  run.input = "\n";
  auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(run_tool(run).status, 0);
  auto duration = std::chrono::steady_clock::now() - start;
  // The shortest of a few runs, so that one slow first run (a cold disk, a
  // busy machine) does not stretch the delays past the end of most runs.
  for (int timing = 0; timing < 4; ++timing) {
    ScratchDir copy("crash-timing");
    fs::copy(original.path(), copy.path(), fs::copy_options::recursive);
    ToolRun timed = run;
    timed.directory = copy.path();
    start = std::chrono::steady_clock::now();
    ASSERT_EQ(run_tool(timed).status, 0);
    duration = std::min(duration, std::chrono::steady_clock::now() - start);
  }
  std::vector<Versions> versions;
  for (const auto& file : files) {
    versions.push_back({read_file(original.path() / file), read_file(reference.path() / file)});
    ASSERT_NE(versions.back().old_text, versions.back().new_text) << file;
  }

  std::mt19937 random(12345);
  const auto longest = std::chrono::duration_cast<std::chrono::microseconds>(duration * 1.2);
  std::uniform_int_distribution<long> delay(0, longest.count());
  int interrupted = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    ScratchDir league("crash-league");
    fs::copy(original.path(), league.path(), fs::copy_options::recursive);
    run.directory = league.path();
    {
      StartedTool started(run);
      std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
      started.kill();
    }
    bool all_new = true;
    for (std::size_t f = 0; f < files.size(); ++f) {
      const std::string now = read_file(league.path() / files[f]);
      const bool is_old = now == versions[f].old_text;
      const bool is_new = now == versions[f].new_text;
      EXPECT_TRUE(is_old || is_new) << files[f] << " is neither old nor new after kill " << kill;
      all_new = all_new && is_new;
    }
    if (!all_new) ++interrupted;
    // A run after the kill, from the old files and beside any temporary file the
    // killed run left, gives exactly the new versions.
    for (std::size_t f = 0; f < files.size(); ++f) {
      write_file(league.path() / files[f], versions[f].old_text);
    }
    ASSERT_EQ(run_tool(run).status, 0) << "after kill " << kill;
    for (std::size_t f = 0; f < files.size(); ++f) {
      EXPECT_EQ(read_file(league.path() / files[f]), versions[f].new_text) << files[f];
    }
  }
  // The delays must really catch runs in the middle, or the test proves nothing.
  EXPECT_GT(interrupted, kKills / 4);
}

TEST(CrashSafety, TableUpdateKilledAtRandomMomentsLeavesOldOrNewFiles) {
  kill_repeatedly("table_update", {"table.txt", "attendances.dat"});
}

TEST(CrashSafety, FormUpdateKilledAtRandomMomentsLeavesOldOrNewFile) {
  kill_repeatedly("form_update", {"form.txt"});
}

}  // namespace
}  // namespace league::testing
