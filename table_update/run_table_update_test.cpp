#include "table_update/run_table_update.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/io/file_replacement.h"
#include "common/io/whole_file.h"
#include "tests/support/scratch_dir.h"

namespace league {
namespace {

namespace fs = std::filesystem;

// A round with attendances, run in a scratch league whose renames fail on
// demand: the last step, putting attendances.dat in place after table.txt.
class TableUpdateRollbackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path league = fs::path(CASES_DIR) / "attendances_factors_three_teams_all_found/in";
    for (const char* name : {"league.dat", "table.txt", "attendances.dat", "results.txt"})
      fs::copy_file(league / name, name);
    old_table_ = *read_whole_file("table.txt");
    old_attendances_ = *read_whole_file("attendances.dat");
  }
  void TearDown() override { set_rename_check_for_testing({}); }

  // Runs table_update; renames to attendances.dat fail, and renames to
  // table.txt after the first one fail when `putting_back_fails`.
  std::pair<int, std::string> run(bool putting_back_fails) {
    int table_renames = 0;
    set_rename_check_for_testing([&](const std::string& target) {
      if (target == "attendances.dat") return false;
      return ++table_renames == 1 || !putting_back_fails;
    });
    std::istringstream in("\n");
    std::ostringstream out;
    const int status = run_table_update({}, in, out);
    return {status, out.str()};
  }

  std::size_t file_count() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator("."), {}));
  }

  testing::ScratchWorkDir dir_{"table_update_rollback"};
  std::string old_table_;
  std::string old_attendances_;
};

TEST_F(TableUpdateRollbackTest, OldTableIsPutBackWhenAttendancesCannotTakeItsPlace) {
  EXPECT_EQ(run(false),
            std::make_pair(1, std::string("\nFailed to write file attendances.dat !!")));
  EXPECT_EQ(read_whole_file("table.txt"), old_table_);
  EXPECT_EQ(read_whole_file("attendances.dat"), old_attendances_);
  EXPECT_EQ(file_count(), 4u);
}

TEST_F(TableUpdateRollbackTest, AFailedPutBackSaysWhatEachFileHolds) {
  EXPECT_EQ(run(true), std::make_pair(1, std::string("\nFailed to write file attendances.dat !!\n"
                                                     "table.txt holds the updated table; "
                                                     "attendances.dat was not updated\n")));
  EXPECT_NE(read_whole_file("table.txt"), old_table_);
  EXPECT_EQ(read_whole_file("attendances.dat"), old_attendances_);
  EXPECT_EQ(file_count(), 4u);
}

}  // namespace
}  // namespace league
