#include "common/settings/settings_store.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace league {
namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"Color", "COLOR", "color", "coLor"}) ::unsetenv(name);
  }
  void TearDown() override { SetUp(); }
};

TEST_F(SettingsStoreTest, GetIgnoresLetterCaseAndSeesInheritedVariables) {
  ::setenv("COLOR", "red", 1);
  EXPECT_EQ(get_setting("Color"), "red");
  EXPECT_EQ(get_setting("color"), "red");
  EXPECT_EQ(get_setting("colour"), std::nullopt);
}

TEST_F(SettingsStoreTest, PutReplacesAMatchIncludingTheLetterCaseOfItsName) {
  ::setenv("COLOR", "red", 1);
  EXPECT_TRUE(put_setting("Color=blue"));
  EXPECT_EQ(std::getenv("COLOR"), nullptr);
  ASSERT_NE(std::getenv("Color"), nullptr);
  EXPECT_STREQ(std::getenv("Color"), "blue");
}

TEST_F(SettingsStoreTest, FurtherEqualsSignsBelongToTheValue) {
  EXPECT_TRUE(put_setting("color=1=0"));
  EXPECT_EQ(get_setting("COLOR"), "1=0");
  EXPECT_EQ(setting_number("Color"), 1);
}

TEST_F(SettingsStoreTest, EmptyNameOrANulByteIsRefusedAndEmptyValueRemoves) {
  EXPECT_FALSE(put_setting("=5"));
  EXPECT_FALSE(put_setting(""));
  // Stored cut at the NUL, it would be the setting "Color".
  EXPECT_FALSE(put_setting(std::string("Color\0x=1", 9)));
  EXPECT_EQ(get_setting("Color"), std::nullopt);
  ::setenv("COLOR", "red", 1);
  EXPECT_TRUE(put_setting("color="));
  EXPECT_EQ(get_setting("Color"), std::nullopt);
}

TEST_F(SettingsStoreTest, NumbersUseTheDefaultOnlyWhenAbsent) {
  EXPECT_EQ(setting_number("Color", 60), 60);
  put_setting("Color=yes");
  EXPECT_EQ(setting_number("Color", 60), 0);
  put_setting("Color=-1");
  EXPECT_EQ(setting_number("Color", 60), -1);
  put_setting("Color=2x");
  EXPECT_EQ(setting_number("Color", 60), 2);
}

}  // namespace
}  // namespace league
