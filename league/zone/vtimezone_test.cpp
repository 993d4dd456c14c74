// VTIMEZONE components of POSIX rules, and a real iCalendar parser (Python's
// icalendar, Debian package python3-icalendar) reading times given with them
// back to the instants the rules give. Without that parser the reading test
// is skipped, unless LEAGUE_REQUIRE_ICALENDAR is set, as CI sets it.
#include "league/zone/vtimezone.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/io/whole_file.h"
#include "tests/support/case_run.h"
#include "tests/support/scratch_dir.h"

namespace league::zone {
namespace {

TEST(Vtimezone, LondonRepeatsBothChangesYearly) {
  EXPECT_EQ(vtimezone_text({"Europe/London", "GMT0BST,M3.5.0/1,M10.5.0"}),
            "BEGIN:VTIMEZONE\r\n"
            "TZID:Europe/London\r\n"
            "BEGIN:DAYLIGHT\r\n"
            "TZOFFSETFROM:+0000\r\n"
            "TZOFFSETTO:+0100\r\n"
            "TZNAME:BST\r\n"
            "DTSTART:19700329T010000\r\n"
            "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
            "END:DAYLIGHT\r\n"
            "BEGIN:STANDARD\r\n"
            "TZOFFSETFROM:+0100\r\n"
            "TZOFFSETTO:+0000\r\n"
            "TZNAME:GMT\r\n"
            "DTSTART:19701025T020000\r\n"
            "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
            "END:STANDARD\r\n"
            "END:VTIMEZONE\r\n");
}

TEST(Vtimezone, EachKindOfRule) {
  const auto has = [](const std::optional<std::string>& text, const std::string& line) {
    return text && text->find("\r\n" + line + "\r\n") != std::string::npos;
  };
  const auto new_york = vtimezone_text({"America/New_York", "EST5EDT,M3.2.0,M11.1.0"});
  EXPECT_TRUE(has(new_york, "TZOFFSETFROM:-0500") && has(new_york, "TZOFFSETTO:-0400"));
  EXPECT_TRUE(has(new_york, "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU"));
  EXPECT_TRUE(has(new_york, "DTSTART:19701101T020000"));
  const auto tokyo = vtimezone_text({"Asia/Tokyo", "JST-9"});
  EXPECT_TRUE(has(tokyo, "TZOFFSETTO:+0900") && has(tokyo, "DTSTART:19700101T000000"));
  EXPECT_EQ(tokyo->find("DAYLIGHT"), std::string::npos);
  EXPECT_EQ(tokyo->find("RRULE"), std::string::npos);
  // Changes hours off their weekday: the weekday they fall on, within the days it can be.
  const auto jerusalem = vtimezone_text({"Asia/Jerusalem", "IST-2IDT,M3.4.4/26,M10.5.0"});
  EXPECT_TRUE(has(jerusalem, "DTSTART:19700327T020000"));
  EXPECT_TRUE(
      has(jerusalem, "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=FR;BYMONTHDAY=23,24,25,26,27,28,29"));
  const auto nuuk = vtimezone_text({"America/Nuuk", "<-02>2<-01>,M3.5.0/-1,M10.5.0/0"});
  EXPECT_TRUE(has(nuuk, "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=SA;BYMONTHDAY=24,25,26,27,28,29,30"));
  EXPECT_TRUE(has(nuuk, "TZNAME:-01") && has(nuuk, "TZOFFSETTO:-0200"));
  EXPECT_TRUE(has(vtimezone_text({"X/Chatham", "<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45"}),
                  "TZOFFSETTO:+1345"));
  // Days of the year: a fixed date, or one a year when 29 February moves them.
  const auto days = vtimezone_text({"X/Days", "AAA3BBB,J60,300"}, 1972);
  EXPECT_TRUE(has(days, "RRULE:FREQ=YEARLY;BYMONTH=3;BYMONTHDAY=1"));
  EXPECT_TRUE(has(days,
                  "DTSTART:19701028T020000\r\nRDATE:19711028T020000\r\n"
                  "RDATE:19721027T020000"));
  EXPECT_FALSE(vtimezone_text({"X/Bad", "EST5EDT"}));

  const TimeZone london{"Europe/London", "GMT0BST,M3.5.0/1,M10.5.0"};
  EXPECT_EQ(zoned_property("DTSTART", london, {2027, 4, 13, 14, 30}),
            "DTSTART;TZID=Europe/London:20270413T143000");
  EXPECT_EQ(zoned_property("DTEND", {"A:B", "GMT0"}, {2027, 4, 13, 14, 30}),
            "DTEND;TZID=\"A:B\":20270413T143000");
  EXPECT_EQ(ical_utc_text(utc_instant(*parse_zone_rule(london.rule), {2027, 4, 13, 14, 30})),
            "20270413T133000Z");
  EXPECT_EQ(ical_utc_text(-1), "19691231T235959Z");
}

std::string python() {
  return std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
}

TEST(Vtimezone, AnICalendarParserGivesTheRulesInstants) {
  if (std::system((python() + " -c 'import icalendar' 2>/dev/null").c_str()) != 0) {
    if (std::getenv("LEAGUE_REQUIRE_ICALENDAR")) FAIL() << "python3-icalendar is not installed";
    GTEST_SKIP() << "python3-icalendar is not installed";
  }
  // Names the parser does not know itself, so that it takes our VTIMEZONEs.
  const std::vector<TimeZone> zones = {{"League/London", "GMT0BST,M3.5.0/1,M10.5.0"},
                                       {"League/New_York", "EST5EDT,M3.2.0,M11.1.0"},
                                       {"League/Sydney", "AEST-10AEDT,M10.1.0,M4.1.0/3"},
                                       {"League/Jerusalem", "IST-2IDT,M3.4.4/26,M10.5.0"},
                                       {"League/Nuuk", "<-02>2<-01>,M3.5.0/-1,M10.5.0/0"},
                                       {"League/Kolkata", "IST-5:30"},
                                       {"League/Days", "AAA3BBB,J60,300"}};
  // Kick-offs either side of each change, in summer and in winter.
  std::vector<WallClock> times;
  for (int year : {2027, 2028})
    for (int month = 1; month <= 12; ++month)
      for (int day : {1, 8, 15, 22, 29})
        if (month != 2 || day < 29) times.push_back({year, month, day, 14, 30, 0});

  std::string calendar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//league//zone test//EN\r\n";
  std::string expected;
  for (const TimeZone& zone : zones) {
    calendar += *vtimezone_text(zone, 2030);
    const ZoneRule rule = *parse_zone_rule(zone.rule);
    for (const WallClock& time : times) {
      calendar += "BEGIN:VEVENT\r\nUID:" + std::to_string(expected.size()) +
                  "@zone\r\nDTSTAMP:20270101T000000Z\r\n" + zoned_property("DTSTART", zone, time) +
                  "\r\nEND:VEVENT\r\n";
      expected += ical_utc_text(utc_instant(rule, time)) + '\n';
    }
  }
  calendar += "END:VCALENDAR\r\n";

  testing::ScratchDir folder("vtimezone_test");
  const auto file = folder.path() / "zones.ics";
  testing::write_file(file, calendar);
  const auto printed = folder.path() / "printed.txt";
  ASSERT_EQ(std::system((python() + " '" + VTIMEZONE_CHECK_SCRIPT + "' '" + file.string() +
                         "' > '" + printed.string() + "' 2>&1")
                            .c_str()),
            0)
      << read_whole_file(printed.string()).value_or("");
  EXPECT_EQ(read_whole_file(printed.string()).value_or(""), expected);
}

}  // namespace
}  // namespace league::zone
