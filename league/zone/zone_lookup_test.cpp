// Zone rules read from TZif files, and the computer's zone name found from
// TZ, /etc/timezone or /etc/localtime.
#include "league/zone/zone_lookup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/io/whole_file.h"
#include "tests/support/case_run.h"
#include "tests/support/scratch_dir.h"

namespace league::zone {
namespace {

std::string big_endian(std::uint64_t value, int width) {
  std::string bytes;
  for (int shift = (width - 1) * 8; shift >= 0; shift -= 8)
    bytes += static_cast<char>(value >> shift & 0xff);
  return bytes;
}

// A TZif file of `version` with one change at `change` (none when 0), two
// local time types and the footer "\n<footer>\n".
std::string tzif(char version, std::int64_t change, const std::string& footer) {
  const auto header = [&](int time_count) {
    std::string text = "TZif";
    text += version;
    text += std::string(15, '\0');
    for (int count : {0, 0, 0, time_count, 2, 8}) text += big_endian(count, 4);
    return text;
  };
  const int count = change != 0 ? 1 : 0;
  const auto block = [&](int width) {
    std::string text = count ? big_endian(static_cast<std::uint64_t>(change), width) + '\1' : "";
    text += big_endian(0, 4) + '\0' + '\0' + big_endian(3600, 4) + '\1' + '\4';
    return text + std::string("GMT\0BST\0", 8);
  };
  return header(count) + block(4) + header(count) + block(8) + '\n' + footer + '\n';
}

TEST(ZoneLookup, ReadsTheFootersRuleAndTheLastListedChange) {
  const auto file = read_zone_file(tzif('2', 1'800'000'000, "GMT0BST,M3.5.0/1,M10.5.0"));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->rule, "GMT0BST,M3.5.0/1,M10.5.0");
  EXPECT_EQ(file->last_listed_change, 1'800'000'000);
  EXPECT_FALSE(read_zone_file(tzif('3', 0, "JST-9"))->last_listed_change);

  EXPECT_FALSE(read_zone_file(tzif('\0', 0, "JST-9")));  // version 1 has no footer
  EXPECT_FALSE(read_zone_file(tzif('2', 0, "")));        // no rule
  EXPECT_FALSE(read_zone_file(tzif('2', 0, "EST5EDT")));
  const std::string whole = tzif('2', 1'800'000'000, "JST-9");
  for (std::size_t length = 0; length < whole.size(); ++length)
    EXPECT_FALSE(read_zone_file(whole.substr(0, length))) << length;
  EXPECT_FALSE(read_zone_file(whole + "x\n"));
}

TEST(ZoneLookup, NamesInPaths) {
  EXPECT_EQ(zone_name_in_path(":Europe/London"), "Europe/London");
  EXPECT_EQ(zone_name_in_path("/usr/share/zoneinfo/America/New_York"), "America/New_York");
  EXPECT_EQ(zone_name_in_path("../usr/share/zoneinfo/posix/Europe/London"), "Europe/London");
  EXPECT_EQ(zone_name_in_path("/usr/share/zoneinfo/right/UTC"), "UTC");
  EXPECT_FALSE(zone_name_in_path("/etc/passwd"));
  EXPECT_FALSE(zone_name_in_path("EST5EDT,M3.2.0,M11.1.0"));
  EXPECT_FALSE(zone_name_in_path("/usr/share/zoneinfo/../../../etc/passwd"));
}

#ifndef _WIN32
TEST(ZoneLookup, FindsZonesInAZoneinfoFolder) {
  testing::ScratchDir folder("zone_lookup_test");
  std::filesystem::create_directories(folder.path() / "Europe");
  testing::write_file(folder.path() / "Europe/London",
                      tzif('2', 1'800'000'000, "GMT0BST,M3.5.0/1,M10.5.0"));
  testing::write_file(folder.path() / "Old", tzif('\0', 0, ""));
  const std::string zoneinfo = folder.path().string();

  const auto london = find_zone("Europe/London", zoneinfo);
  ASSERT_TRUE(london);
  EXPECT_EQ(london->zone, (TimeZone{"Europe/London", "GMT0BST,M3.5.0/1,M10.5.0"}));
  EXPECT_EQ(london->last_listed_change, 1'800'000'000);
  for (const char* name : {"Old", "Europe", "Europe/Paris", "../zone_lookup_test/Europe/London"})
    EXPECT_FALSE(find_zone(name, zoneinfo)) << name;

  // TZ first, when it names a zone of the folder; past it, never nothing.
  const char* saved = std::getenv("TZ");
  const std::string before = saved ? saved : "";
  for (const std::string& tz :
       {std::string(":Europe/London"), std::string("Europe/London"), zoneinfo + "/Europe/London"}) {
    setenv("TZ", tz.c_str(), 1);
    EXPECT_EQ(computer_zone_name(zoneinfo), "Europe/London") << tz;
  }
  setenv("TZ", "Europe/Paris", 1);
  const auto fallback = computer_zone_name(zoneinfo);
  EXPECT_TRUE(fallback && !fallback->empty() && *fallback != "Europe/Paris");
  if (saved) {
    setenv("TZ", before.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
}

TEST(ZoneLookup, ThisComputersZoneDatabase) {
  if (!std::filesystem::exists(std::string(kZoneinfoFolder) + "/Europe/London"))
    GTEST_SKIP() << "no zone database";
  EXPECT_EQ(find_zone("Europe/London")->zone.rule, "GMT0BST,M3.5.0/1,M10.5.0");
  EXPECT_EQ(find_zone("America/New_York")->zone.rule, "EST5EDT,M3.2.0,M11.1.0");
  EXPECT_EQ(find_zone("Australia/Sydney")->zone.rule, "AEST-10AEDT,M10.1.0,M4.1.0/3");
  EXPECT_TRUE(find_zone("UTC"));
  // Morocco's table lists its changes decades ahead; the rule alone is not the zone.
  if (const auto casablanca = find_zone("Africa/Casablanca")) {
    EXPECT_GT(casablanca->last_listed_change.value_or(0), 2'000'000'000);
  }
  EXPECT_FALSE(find_zone("../../etc/passwd"));
  const auto name = computer_zone_name();
  ASSERT_TRUE(name);
  EXPECT_TRUE(find_zone(*name)) << *name;
}
#endif

}  // namespace
}  // namespace league::zone
