// `league round` and `league undo` in-process, where a write can be made to
// fail: a failure at any step leaves the league and its history as they were.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "common/io/file_replacement.h"
#include "common/io/whole_file.h"
#include "league/app/run_league.h"
#include "league/store/history.h"
#include "tests/support/scratch_dir.h"

namespace league {
namespace {

namespace fs = std::filesystem;

using Snapshot = std::map<std::string, std::string>;

class RoundFailureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy(fs::path(EXAMPLES_DIR) / "league", dir_.path(), fs::copy_options::recursive);
  }
  void TearDown() override { set_rename_check_for_testing({}); }

  static int run(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_league(args, out, err);
    last_error_ = err.str();
    return status;
  }
  static Snapshot snapshot() {
    Snapshot files;
    for (const auto& entry : fs::recursive_directory_iterator("."))
      if (entry.is_regular_file()) files[entry.path().string()] = *read_whole_file(entry.path());
    return files;
  }
  static void write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }

  static inline std::string last_error_;
  testing::ScratchWorkDir dir_{"round_failure_test"};
};

TEST_F(RoundFailureTest, HistoryKeepsTheFilesBeforeAndAfterAndWhen) {
  const Snapshot before = snapshot();
  ASSERT_EQ(run({"round"}), 0) << last_error_;
  EXPECT_EQ(recorded_rounds(), std::vector<int>{1});
  for (const HistoryEntry::File& kept : HistoryEntry{}.files()) {
    const std::string& file = kept.name;
    EXPECT_EQ(read_round_file(1, "before/" + file), before.at("./" + file));
    EXPECT_EQ(read_round_file(1, "after/" + file), read_whole_file(file));
  }
  EXPECT_EQ(read_round_file(1, "results.txt"), before.at("./results.txt"));
  EXPECT_TRUE(std::regex_match(round_applied_at(1).value_or(""),
                               std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d)")));
}

TEST_F(RoundFailureTest, AFailedWriteAtAnyStepChangesNothing) {
  ASSERT_EQ(run({"round"}), 0) << last_error_;
  write("results.txt", "Kestrel 1 - 0 Ashford\nLowther 2 - 2 Harwood\n");
  for (const std::string failing :
       {"history/2/after/form.txt", "form.txt", "attendances.dat", "history/2/applied"}) {
    const Snapshot before = snapshot();
    set_rename_check_for_testing([&](const std::string& target) { return target != failing; });
    EXPECT_EQ(run({"round"}), 1) << failing;
    EXPECT_NE(last_error_.find(failing), std::string::npos) << last_error_;
    EXPECT_EQ(snapshot(), before) << failing;
  }
  set_rename_check_for_testing([](const std::string& target) { return target != "form.txt"; });
  const Snapshot before = snapshot();
  EXPECT_EQ(run({"undo"}), 1);
  EXPECT_EQ(snapshot(), before) << "a failed undo";
}

}  // namespace
}  // namespace league
