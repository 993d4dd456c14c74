#include "common/io/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/support/scratch_dir.h"

namespace league {
namespace {

namespace fs = std::filesystem;

class WholeFileTest : public ::testing::Test {
 protected:
  testing::ScratchDir scratch_{"whole_file_test"};
  const fs::path& dir_ = scratch_.path();
};

TEST_F(WholeFileTest, ReadsEveryByteIncludingNulAndCarriageReturn) {
  const std::string data("a\0b\r\n", 5);
  std::ofstream(dir_ / "f", std::ios::binary) << data;
  EXPECT_EQ(read_whole_file(dir_ / "f"), data);
}

TEST_F(WholeFileTest, MissingDirectoryAndPipeCountAsUnopenable) {
  EXPECT_EQ(read_whole_file(dir_ / "missing"), std::nullopt);
  fs::create_directory(dir_ / "sub");
  EXPECT_EQ(read_whole_file(dir_ / "sub"), std::nullopt);
  ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0600), 0);
  EXPECT_EQ(read_whole_file(dir_ / "pipe"), std::nullopt);
  EXPECT_EQ(read_whole_file("/dev/zero"), std::nullopt);
  std::ofstream(dir_ / "f") << "text";
  EXPECT_EQ(read_whole_file((dir_ / "f").string() + std::string("\0zz", 3)), std::nullopt);
}

TEST_F(WholeFileTest, LeagueFilesReadWithoutAByteOrderMarkAtTheStart) {
  std::ofstream(dir_ / "f", std::ios::binary) << "\xEF\xBB\xBF"
                                                 "Ashford \xEF\xBB\xBF";
  EXPECT_EQ(read_league_file(dir_ / "f"), "Ashford \xEF\xBB\xBF");
  EXPECT_EQ(read_whole_file(dir_ / "f"),
            "\xEF\xBB\xBF"
            "Ashford \xEF\xBB\xBF");
}

}  // namespace
}  // namespace league
