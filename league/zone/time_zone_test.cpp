// POSIX TZ rules read and applied: the changes of both hemispheres, the
// spring gap and autumn overlap as iCalendar resolves them, and the rules of
// this computer's zone database checked against the C library's own reading.
#include "league/zone/time_zone.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

namespace league::zone {
namespace {

constexpr int kHour = 3600;

ZoneRule rule_of(const char* text) {
  const auto rule = parse_zone_rule(text);
  EXPECT_TRUE(rule) << text;
  return rule.value_or(ZoneRule{});
}

const ZoneRule kLondon = rule_of("GMT0BST,M3.5.0/1,M10.5.0");
const ZoneRule kNewYork = rule_of("EST5EDT,M3.2.0,M11.1.0");
const ZoneRule kSydney = rule_of("AEST-10AEDT,M10.1.0,M4.1.0/3");

std::int64_t utc(int year, int month, int day, int hour, int minute = 0) {
  return utc_seconds(WallClock{year, month, day, hour, minute, 0});
}

TEST(ZoneRule, ReadsEveryPartOfARule) {
  const ZoneRule london = kLondon;
  EXPECT_EQ(london.standard_name, "GMT");
  EXPECT_EQ(london.standard_offset, 0);
  ASSERT_TRUE(london.summer);
  EXPECT_EQ(london.summer->name, "BST");
  EXPECT_EQ(london.summer->offset, kHour);
  EXPECT_EQ(london.summer->start, (ChangeDay{ChangeDay::Form::kMonthWeekDay, 3, 5, 0, 0, kHour}));
  EXPECT_EQ(london.summer->end,
            (ChangeDay{ChangeDay::Form::kMonthWeekDay, 10, 5, 0, 0, 2 * kHour}));

  EXPECT_EQ(kNewYork.standard_offset, -5 * kHour);
  EXPECT_EQ(rule_of("IST-5:30").standard_offset, 5 * kHour + 1800);
  EXPECT_FALSE(rule_of("JST-9").summer);

  const ZoneRule chatham = rule_of("<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45");
  EXPECT_EQ(chatham.standard_name, "+1245");
  EXPECT_EQ(chatham.summer->offset, 13 * kHour + 45 * 60);
  EXPECT_EQ(chatham.summer->start.time, 2 * kHour + 45 * 60);
  EXPECT_EQ(rule_of("<-02>2<-01>,M3.5.0/-1,M10.5.0/0").summer->start.time, -kHour);
  EXPECT_EQ(rule_of("IST-2IDT,M3.4.4/26,M10.5.0").summer->start.time, 26 * kHour);
  EXPECT_EQ(rule_of("AAA3BBB2:30,J60/167,0").summer->offset, -2 * kHour - 1800);

  for (const char* bad :
       {"", "GMT", "GM0", "GMT+25", "EST5EDT", "EST5EDT,M3.2.0", "GMT0BST,M13.1.0,M10.5.0",
        "GMT0BST,M3.6.0,M10.5.0", "GMT0BST,M3.5.7,M10.5.0", "GMT0BST,J0,J365", "GMT0BST,366,0",
        "GMT0BST,M3.5.0/168,M10.5.0", "GMT0BST,M3.5.0,M10.5.0x", "<+03-3", "<+3>-3", "GMT0:60",
        "Europe/London"})
    EXPECT_FALSE(parse_zone_rule(bad)) << bad;
}

TEST(ZoneRule, ChangeDaysOfEachForm) {
  using Form = ChangeDay::Form;
  // The last Sunday of March 2027 is the 28th, of February 2027 the 28th.
  EXPECT_EQ(change_wall_clock({Form::kMonthWeekDay, 3, 5, 0, 0, kHour}, 2027),
            (WallClock{2027, 3, 28, 1, 0, 0}));
  // Hours past the day move it: Thursday 25 March + 26 h, Sunday 28th - 1 h.
  EXPECT_EQ(change_wall_clock({Form::kMonthWeekDay, 3, 4, 4, 0, 26 * kHour}, 2027),
            (WallClock{2027, 3, 26, 2, 0, 0}));
  EXPECT_EQ(change_wall_clock({Form::kMonthWeekDay, 3, 5, 0, 0, -kHour}, 2027),
            (WallClock{2027, 3, 27, 23, 0, 0}));
  // Jn never counts 29 February; n does.
  EXPECT_EQ(change_wall_clock({Form::kJulian, 0, 0, 0, 60, 0}, 2028), (WallClock{2028, 3, 1}));
  EXPECT_EQ(change_wall_clock({Form::kZeroBased, 0, 0, 0, 59, 0}, 2028), (WallClock{2028, 2, 29}));
  EXPECT_EQ(change_wall_clock({Form::kZeroBased, 0, 0, 0, 59, 0}, 2027), (WallClock{2027, 3, 1}));
}

TEST(ZoneRule, LondonAroundBothChanges) {
  // Clocks go forward at 01:00 UTC on 28 March 2027, back at 01:00 UTC on 31 October.
  EXPECT_EQ(utc_offset_at_instant(kLondon, utc(2027, 3, 28, 1) - 1), 0);
  EXPECT_EQ(utc_offset_at_instant(kLondon, utc(2027, 3, 28, 1)), kHour);
  EXPECT_EQ(utc_offset_at_instant(kLondon, utc(2027, 10, 31, 1) - 1), kHour);
  EXPECT_EQ(utc_offset_at_instant(kLondon, utc(2027, 10, 31, 1)), 0);

  EXPECT_EQ(utc_instant(kLondon, {2027, 3, 28, 14, 30}), utc(2027, 3, 28, 13, 30));
  EXPECT_EQ(utc_instant(kLondon, {2027, 4, 13, 14, 30}), utc(2027, 4, 13, 13, 30));
  EXPECT_EQ(utc_instant(kLondon, {2027, 10, 31, 14, 30}), utc(2027, 10, 31, 14, 30));
  EXPECT_EQ(utc_instant(kLondon, {2027, 12, 31, 23, 59, 59}), utc(2028, 1, 1, 0) - 1);

  // 01:30 is skipped in spring: read on GMT, it is 02:30 BST. In autumn it is
  // shown twice: the first time, on BST.
  EXPECT_EQ(utc_instant(kLondon, {2027, 3, 28, 1, 30}), utc(2027, 3, 28, 1, 30));
  EXPECT_EQ(wall_clock_at(kLondon, utc(2027, 3, 28, 1, 30)), (WallClock{2027, 3, 28, 2, 30}));
  EXPECT_EQ(utc_instant(kLondon, {2027, 10, 31, 1, 30}), utc(2027, 10, 31, 0, 30));
  EXPECT_EQ(utc_instant(kLondon, {2027, 10, 31, 1, 0}), utc(2027, 10, 31, 0, 0));
  EXPECT_EQ(utc_instant(kLondon, {2027, 10, 31, 2, 0}), utc(2027, 10, 31, 2, 0));
}

TEST(ZoneRule, NewYorkAroundBothChanges) {
  // 14 March 2027 02:00 EST and 7 November 02:00 EDT.
  EXPECT_EQ(utc_instant(kNewYork, {2027, 3, 13, 14, 30}), utc(2027, 3, 13, 19, 30));
  EXPECT_EQ(utc_instant(kNewYork, {2027, 3, 14, 14, 30}), utc(2027, 3, 14, 18, 30));
  EXPECT_EQ(utc_instant(kNewYork, {2027, 11, 7, 14, 30}), utc(2027, 11, 7, 19, 30));
  EXPECT_EQ(utc_instant(kNewYork, {2027, 3, 14, 2, 30}), utc(2027, 3, 14, 7, 30));
  EXPECT_EQ(utc_instant(kNewYork, {2027, 11, 7, 1, 30}), utc(2027, 11, 7, 5, 30));
  EXPECT_EQ(wall_clock_at(kNewYork, utc(2027, 11, 7, 6, 30)), (WallClock{2027, 11, 7, 1, 30}));
}

TEST(ZoneRule, SouthernSummerSpansTheNewYear) {
  EXPECT_EQ(utc_offset_at(kSydney, {2027, 1, 1, 0, 30}), 11 * kHour);
  EXPECT_EQ(utc_instant(kSydney, {2027, 1, 1, 0, 30}), utc(2026, 12, 31, 13, 30));
  // Back on 4 April 03:00 AEDT (02:30 comes twice), forward on 3 October 02:00 AEST.
  EXPECT_EQ(utc_instant(kSydney, {2027, 4, 4, 2, 30}), utc(2027, 4, 3, 15, 30));
  EXPECT_EQ(utc_instant(kSydney, {2027, 4, 4, 3, 30}), utc(2027, 4, 3, 17, 30));
  EXPECT_EQ(utc_instant(kSydney, {2027, 10, 3, 2, 30}), utc(2027, 10, 2, 16, 30));
  EXPECT_EQ(utc_instant(kSydney, {2027, 10, 3, 3, 30}), utc(2027, 10, 2, 16, 30));
}

TEST(ZoneRule, ZonesWithoutSummerTimeAndUnusualRules) {
  const ZoneRule kolkata = rule_of("IST-5:30");
  EXPECT_EQ(utc_instant(kolkata, {2027, 6, 1, 14, 30}), utc(2027, 6, 1, 9, 0));
  EXPECT_EQ(utc_offset_at_instant(rule_of("<-05>5"), 0), -5 * kHour);
  // Summer time below standard time (Dublin) gives London's instants.
  const ZoneRule dublin = rule_of("IST-1GMT0,M10.5.0,M3.5.0/1");
  for (std::int64_t at = utc(2027, 1, 1, 0); at < utc(2028, 1, 1, 0); at += 1800) {
    ASSERT_EQ(utc_offset_at_instant(dublin, at), utc_offset_at_instant(kLondon, at)) << at;
    const WallClock local = wall_clock_at(kLondon, at);
    ASSERT_EQ(utc_instant(dublin, local), utc_instant(kLondon, local)) << at;
  }
  // Summer time all year.
  const ZoneRule always = rule_of("EST5EDT,0/0,J365/25");
  for (int month = 1; month <= 12; ++month)
    EXPECT_EQ(utc_offset_at(always, {2027, month, 1, 12}), -4 * kHour) << month;
}

TEST(TimeZone, KeptAsOneLine) {
  const TimeZone london{"Europe/London", "GMT0BST,M3.5.0/1,M10.5.0"};
  EXPECT_EQ(format_time_zone(london), "Europe/London GMT0BST,M3.5.0/1,M10.5.0");
  EXPECT_EQ(parse_time_zone(" Europe/London \tGMT0BST,M3.5.0/1,M10.5.0\r\n"), london);
  EXPECT_EQ(parse_time_zone("Etc/GMT+5 <-05>5"), (TimeZone{"Etc/GMT+5", "<-05>5"}));
  for (const char* bad : {"Europe/London", "Europe/London GMT0BST", "../x GMT0", "GMT0"})
    EXPECT_FALSE(parse_time_zone(bad)) << bad;

  for (const char* name : {"UTC", "America/Argentina/Buenos_Aires", "Etc/GMT-14", "EST5EDT"})
    EXPECT_TRUE(is_zone_name(name)) << name;
  for (const char* name : {"", "/etc/passwd", "../passwd", "Europe/../../x", "Europe//London",
                           "Europe/London/", "a b", "Europe\\London", "./UTC"})
    EXPECT_FALSE(is_zone_name(name)) << name;
}

#ifndef _WIN32
// The rule in the footer of this computer's zone files gives the offsets the
// C library reads from the files' tables, hour by hour from 2025 to 2040.
TEST(ZoneRule, AgreesWithTheCLibraryOnThisComputersZones) {
  const std::filesystem::path zoneinfo = "/usr/share/zoneinfo";
  if (!std::filesystem::exists(zoneinfo / "Europe/London")) GTEST_SKIP() << "no zone database";
  const char* saved = std::getenv("TZ");
  const std::optional<std::string> before =
      saved ? std::optional<std::string>(saved) : std::nullopt;
  const std::pair<const char*, const char*> zones[] = {
      {"Europe/London", "GMT0BST,M3.5.0/1,M10.5.0"},
      {"America/New_York", "EST5EDT,M3.2.0,M11.1.0"},
      {"Australia/Sydney", "AEST-10AEDT,M10.1.0,M4.1.0/3"},
      {"Asia/Jerusalem", "IST-2IDT,M3.4.4/26,M10.5.0"},
      {"America/Santiago", "<-04>4<-03>,M9.1.6/24,M4.1.6/24"}};
  for (const auto& [name, text] : zones) {
    const ZoneRule rule = rule_of(text);
    setenv("TZ", (std::string(":") + name).c_str(), 1);
    tzset();
    for (std::int64_t at = utc(2025, 1, 1, 0); at < utc(2040, 1, 1, 0); at += kHour) {
      const std::time_t moment = static_cast<std::time_t>(at);
      std::tm local{};
      localtime_r(&moment, &local);
      ASSERT_EQ(utc_offset_at_instant(rule, at), local.tm_gmtoff) << name << ' ' << at;
    }
  }
  if (before) {
    setenv("TZ", before->c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}
#endif

}  // namespace
}  // namespace league::zone
