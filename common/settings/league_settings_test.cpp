#include "common/settings/league_settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/console/tool_error.h"
#include "common/settings/settings_store.h"
#include "tests/support/scratch_dir.h"

namespace league {
namespace {

namespace fs = std::filesystem;

// Runs each test in an empty scratch directory with none of the layout settings
// in the environment, whatever letter case they were inherited in.
class LeagueSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { clear(); }
  void TearDown() override { clear(); }
  static void clear() {
    for (const char* name : {"Fitness", "Conceded_Sub_Apps", "Minutes", "abbr_Fitness",
                             "abbr_Abbrevations:", "Colour", "Key"}) {
      put_setting(std::string(name) + "=");
    }
  }
  static void write_league(const std::string& text) { std::ofstream("league.dat") << text; }

  testing::ScratchWorkDir dir_{"league_settings_test"};
};

TEST_F(LeagueSettingsTest, MissingFileIgnoresInheritedSettingsInLenientMode) {
  put_setting("Fitness=1");
  EXPECT_EQ(load_league_settings(), 1);
}

TEST_F(LeagueSettingsTest, MissingFileIsFatalInStrictMode) {
  try {
    load_league_settings_strict();
    FAIL() << "no error";
  } catch (const ToolError& error) {
    EXPECT_STREQ(error.what(), "\nError. Failed to open league.dat\n");
    EXPECT_FALSE(error.waits_for_key());
  }
}

TEST_F(LeagueSettingsTest, InheritedVariableCountsWhateverItsCase) {
  write_league("");
  put_setting("FITNESS=1");
  EXPECT_EQ(load_league_settings(), 6);
}

TEST_F(LeagueSettingsTest, LastLineOfAKeyDecidesAndCaseIsIgnored) {
  write_league("fitness = 1\n");
  EXPECT_EQ(load_league_settings(), 6);
  write_league("Fitness = 1\nFitness = 0\n");
  EXPECT_EQ(load_league_settings(), 1);
}

TEST_F(LeagueSettingsTest, ValuesReadAsLeadingNumbers) {
  write_league("Fitness = yes\nMinutes = -1\nConceded_Sub_Apps = 2x\n");
  EXPECT_EQ(load_league_settings(), 3);
  write_league("Fitness = 1 extra words\n");
  load_league_settings();
  EXPECT_EQ(get_setting("Fitness"), "1");
}

TEST_F(LeagueSettingsTest, SectionMarkerPrefixesEverySettingBelowIt) {
  write_league("Abbrevations:\nFitness = 1\n");
  EXPECT_EQ(load_league_settings(), 1);
  EXPECT_EQ(get_setting("abbr_Fitness"), "1");
  EXPECT_EQ(get_setting("Fitness"), std::nullopt);
}

TEST_F(LeagueSettingsTest, OnlyTheExactMarkerOpensTheSection) {
  write_league("Abbreviations:\nabbrevations:\nAbbrevations\nFitness = 1\n");
  EXPECT_EQ(load_league_settings(), 6);
}

TEST_F(LeagueSettingsTest, TokenSlotsCarryOverFromLineToLine) {
  // "Minutes =" keeps the value 1 of the line before.
  write_league("Fitness = 1\nMinutes =\n");
  EXPECT_EQ(load_league_settings(), 8);
  // A one-token line keeps separator and value: Fitness=1=0 reads as 1.
  write_league("Minutes = 0\nFitness=1\n");
  EXPECT_EQ(load_league_settings(), 6);
  EXPECT_EQ(get_setting("Fitness"), "1=0");
  // The marker after a setting line publishes the marker itself with the prefix.
  write_league("Conceded_Sub_Apps = 1\nAbbrevations:\n");
  load_league_settings();
  EXPECT_EQ(get_setting("abbr_Abbrevations:"), "1");
}

TEST_F(LeagueSettingsTest, SlotsStartEmptySoAnEarlyLoneKeyPublishesNothing) {
  write_league("Colour\n\nKey =\n");
  load_league_settings();
  EXPECT_EQ(get_setting("Colour"), std::nullopt);
  EXPECT_EQ(get_setting("Key"), std::nullopt);
}

TEST_F(LeagueSettingsTest, CrlfLinesReadLikeLfLines) {
  write_league("Fitness = 1\r\nMinutes = 1\r\n");
  EXPECT_EQ(load_league_settings(), 8);
  EXPECT_EQ(get_setting("Fitness"), "1");
}

TEST_F(LeagueSettingsTest, LongLinesAreReadInPiecesOf499Characters) {
  // The rest of a line longer than 498 characters and its line end is a line
  // of its own, so a setting can hide behind a long comment.
  write_league(std::string(499, '#') + "Fitness = 1\n");
  EXPECT_EQ(load_league_settings(), 6);
  clear();
  write_league("#" + std::string(480, ' ') + "Fitness = 1\n");
  EXPECT_EQ(load_league_settings(), 1);
}

}  // namespace
}  // namespace league
