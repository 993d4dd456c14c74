#include "common/safe_file/file_replacement.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace league {
namespace {

namespace fs = std::filesystem;

class FileReplacementTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("file_replacement_test_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    target_ = (dir_ / "table.txt").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::size_t file_count() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }

  fs::path dir_;
  std::string target_;
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

TEST_F(FileReplacementTest, WrittenInStepsAndCommittedOnlyWhenComplete) {
  std::ofstream(target_) << "old";
  FileReplacement replacement(target_);
  ASSERT_TRUE(replacement.open());
  EXPECT_TRUE(replacement.write("first "));
  EXPECT_TRUE(replacement.write("second"));
  EXPECT_FALSE(replacement.commit()) << "committed before close";
  ASSERT_TRUE(replacement.close());
  EXPECT_EQ(read(target_), "old");
  ASSERT_TRUE(replacement.commit());
  EXPECT_EQ(read(target_), "first second");
  EXPECT_EQ(file_count(), 1u);
}

TEST_F(FileReplacementTest, PreparedInPiecesUnlessTheWriterGivesUp) {
  std::ofstream(target_) << "old";
  FileReplacement replacement(target_);
  // A writer that stops part of the way leaves no file to commit.
  EXPECT_FALSE(replacement.prepare_in_pieces([](const PieceSink& sink) {
    sink("half of it");
    return false;
  }));
  EXPECT_FALSE(replacement.commit());
  EXPECT_EQ(file_count(), 1u);
  ASSERT_TRUE(replacement.prepare_in_pieces(
      [](const PieceSink& sink) { return sink("first ") && sink("second"); }));
  ASSERT_TRUE(replacement.commit());
  EXPECT_EQ(read(target_), "first second");
  EXPECT_EQ(file_count(), 1u);
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
    // In steps, a failed write fails every later step and the commit.
    FileReplacement steps(target_);
    steps.open();
    steps.write(std::string(1000, 'x'));
    const bool step_ok = steps.write("y") && steps.close();
    ::setrlimit(RLIMIT_FSIZE, &old_limit);
    EXPECT_FALSE(ok) << "limit " << limit;
    EXPECT_FALSE(step_ok) << "limit " << limit;
    EXPECT_FALSE(steps.commit()) << "limit " << limit;
  }
  std::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(read(target_), "old");
  EXPECT_EQ(file_count(), 1u);
}

}  // namespace
}  // namespace league
