#include "common/io/file_replacement.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/scratch_dir.h"

namespace league {
namespace {

namespace fs = std::filesystem;

class FileReplacementTest : public ::testing::Test {
 protected:
  static std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::size_t file_count() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }

  testing::ScratchDir scratch_{"file_replacement_test"};
  const fs::path& dir_ = scratch_.path();
  std::string target_ = (dir_ / "table.txt").string();
};

TEST_F(FileReplacementTest, CreatesAndReplacesLeavingNoTemporaryFile) {
  EXPECT_TRUE(replace_file(target_, "first"));
  EXPECT_TRUE(replace_file(target_, "second\n"));
  EXPECT_EQ(read(target_), "second\n");
  EXPECT_EQ(file_count(), 1u);
}

TEST_F(FileReplacementTest, KeepsThePermissionBitsOfTheOldFile) {
  std::ofstream(target_) << "old";
  ::chmod(target_.c_str(), 0640);
  ASSERT_TRUE(replace_file(target_, "new"));
  struct stat info {};
  ASSERT_EQ(::stat(target_.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(FileReplacementTest, OldFileSurvivesUntilCommit) {
  std::ofstream(target_) << "old";
  FileReplacement replacement(target_);
  ASSERT_TRUE(replacement.prepare("new"));
  EXPECT_EQ(read(target_), "old");
  EXPECT_EQ(file_count(), 2u);
  ASSERT_TRUE(replacement.commit());
  EXPECT_EQ(read(target_), "new");
}

TEST_F(FileReplacementTest, UncommittedReplacementIsRemoved) {
  std::ofstream(target_) << "old";
  {
    FileReplacement replacement(target_);
    ASSERT_TRUE(replacement.prepare("new"));
  }
  EXPECT_EQ(read(target_), "old");
  EXPECT_EQ(file_count(), 1u);
}

TEST_F(FileReplacementTest, OnlyATemporaryFileWithoutItsWriterCountsAsAbandoned) {
  std::ofstream(target_) << "old";
  FileReplacement replacement(target_);
  ASSERT_TRUE(replacement.prepare("new"));
  std::string in_use;
  for (const auto& entry : fs::directory_iterator(dir_))
    if (is_temporary_name(entry.path().filename().string())) in_use = entry.path().string();
  ASSERT_FALSE(in_use.empty());
  EXPECT_FALSE(remove_abandoned_temporary(in_use));
  ASSERT_TRUE(replacement.commit());
  EXPECT_EQ(read(target_), "new");

  const std::string left = (dir_ / ".tmp-123456").string();
  std::ofstream(left) << "half a table";
  EXPECT_TRUE(remove_abandoned_temporary(left));
  EXPECT_FALSE(fs::exists(left));
}

TEST_F(FileReplacementTest, TargetTakenByADirectoryFailsCleanly) {
  fs::create_directory(target_);
  EXPECT_FALSE(replace_file(target_, "new"));
  EXPECT_TRUE(fs::is_directory(target_));
  EXPECT_EQ(file_count(), 1u);
}

TEST_F(FileReplacementTest, MissingDirectoryFails) {
  EXPECT_FALSE(replace_file((dir_ / "no" / "table.txt").string(), "new"));
}

TEST_F(FileReplacementTest, FullDiskKeepsTheOldFile) {
  std::ofstream(target_) << "old";
  auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit old_limit{};
  ::getrlimit(RLIMIT_FSIZE, &old_limit);
  for (rlim_t limit : {rlim_t{0}, rlim_t{100}}) {
    rlimit small = old_limit;
    small.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool ok = replace_file(target_, std::string(1000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old_limit);
    EXPECT_FALSE(ok) << "limit " << limit;
  }
  std::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(read(target_), "old");
  EXPECT_EQ(file_count(), 1u);
}

TEST_F(FileReplacementTest, TargetWithTheLongestLegalNameIsWritten) {
  const std::string target = (dir_ / std::string(255, 's')).string();
  EXPECT_TRUE(replace_file(target, "sheet"));
  EXPECT_EQ(read(target), "sheet");
  EXPECT_EQ(file_count(), 1u);
}

TEST_F(FileReplacementTest, NameWithANulByteNamesNoFile) {
  std::ofstream(target_) << "old";
  EXPECT_FALSE(replace_file(target_ + std::string("\0x", 2), "new"));
  EXPECT_EQ(read(target_), "old");
  EXPECT_EQ(file_count(), 1u);
}

class FilesTogetherTest : public FileReplacementTest {
 protected:
  void TearDown() override { set_rename_check_for_testing({}); }
  std::string path(const char* name) const { return (dir_ / name).string(); }
};

TEST_F(FilesTogetherTest, AFailedRenamePutsBackWhatWasAlreadyReplaced) {
  std::ofstream(path("a")) << "old a";
  set_rename_check_for_testing([&](const std::string& target) { return target != path("c"); });
  const TogetherOutcome outcome =
      replace_files_together({{path("a"), "new a"}, {path("b"), "new b"}, {path("c"), "new c"}});
  EXPECT_EQ(outcome.failed, path("c"));
  EXPECT_TRUE(outcome.left_new.empty());
  EXPECT_EQ(read(path("a")), "old a");
  EXPECT_FALSE(fs::exists(path("b"))) << "a file that was not there is removed again";
  EXPECT_EQ(file_count(), 1u);
}

TEST_F(FilesTogetherTest, AFailedPutBackIsReported) {
  std::ofstream(path("a")) << "old a";
  int renames = 0;
  // The first rename (a) succeeds, b's fails, and so does putting a back.
  set_rename_check_for_testing([&](const std::string&) { return ++renames == 1; });
  const TogetherOutcome outcome = replace_files_together({{path("a"), "new a"}, {path("b"), "b"}});
  EXPECT_EQ(outcome.failed, path("b"));
  EXPECT_EQ(outcome.left_new, std::vector<std::string>{path("a")});
  EXPECT_EQ(read(path("a")), "new a");
  EXPECT_EQ(file_count(), 1u);
}

}  // namespace
}  // namespace league
