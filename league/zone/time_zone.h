#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace league::zone {

// A league's time zone as it is kept with the league: the IANA name people
// know it by ("Europe/London") and the POSIX TZ rule of that zone
// ("GMT0BST,M3.5.0/1,M10.5.0"), taken from the zone database once, when the
// zone is recorded. Every later computation uses the rule alone, so it needs
// no zone database and gives the same answers on every computer.
struct TimeZone {
  std::string name;
  std::string rule;
  friend bool operator==(const TimeZone&, const TimeZone&) = default;
};

// "NAME RULE" on one line, as the league keeps it, and back. Reading wants a
// name that is_zone_name accepts and a rule that parse_zone_rule reads,
// separated by white space; nothing otherwise.
std::string format_time_zone(const TimeZone& zone);
std::optional<TimeZone> parse_time_zone(std::string_view text);

// A zone name that can be looked up below a zoneinfo folder: letters, digits
// and "/_-+." only, no empty part, no "." or ".." part, no leading '/'.
bool is_zone_name(std::string_view name);

// What a clock on the wall reads, in some zone. The fields are a real date
// and a time of 00:00:00 to 23:59:59.
struct WallClock {
  int year = 1970;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  friend auto operator<=>(const WallClock&, const WallClock&) = default;
};

// When in the year a zone changes its clocks, as a POSIX TZ rule gives it.
struct ChangeDay {
  enum class Form {
    kMonthWeekDay,  // Mm.w.d: weekday d (0 Sunday) of week w (5: the last) of month m
    kJulian,        // Jn: day n of 1 to 365, 29 February never counted
    kZeroBased,     // n: day n of 0 to 365, 29 February counted in leap years
  };
  Form form = Form::kMonthWeekDay;
  int month = 0;    // kMonthWeekDay
  int week = 0;     // kMonthWeekDay
  int weekday = 0;  // kMonthWeekDay
  int day = 0;      // kJulian, kZeroBased
  // Seconds after that day's midnight on the clock in force before the change;
  // -167 to 167 hours, so the change may fall on a neighbouring day.
  int time = 7200;
  friend bool operator==(const ChangeDay&, const ChangeDay&) = default;
};

// A POSIX TZ rule read into its parts. Offsets are seconds ahead of UTC
// (positive east of Greenwich), the opposite sign to the rule's text.
struct ZoneRule {
  std::string standard_name;  // without the <> of a quoted name
  int standard_offset = 0;
  struct Summer {
    std::string name;
    int offset = 0;   // standard_offset + 3600 unless the rule gives one
    ChangeDay start;  // the change from standard to summer time
    ChangeDay end;    // and back
    friend bool operator==(const Summer&, const Summer&) = default;
  };
  std::optional<Summer> summer;  // none: the zone keeps standard time all year
  friend bool operator==(const ZoneRule&, const ZoneRule&) = default;
};

// Reads "std offset [dst [offset] ,start[/time],end[/time]]": names of three
// or more letters or quoted in <> (letters, digits, '+', '-'), offsets
// [+-]hh[:mm[:ss]] up to 24 hours, change times [+-]hhh[:mm[:ss]] up to 167
// hours. A summer-time name without the days of its changes is refused: the
// rule would leave them to guessing. Nothing when the text is no such rule.
std::optional<ZoneRule> parse_zone_rule(std::string_view text);

// Seconds since 1970-01-01 00:00:00 UTC, and that moment's UTC clock.
std::int64_t utc_seconds(const WallClock& utc);
WallClock utc_wall_clock(std::int64_t utc_seconds);

// Seconds the zone's clocks are ahead of UTC at an instant.
int utc_offset_at_instant(const ZoneRule& rule, std::int64_t utc_seconds);

// The zone's clock at an instant.
WallClock wall_clock_at(const ZoneRule& rule, std::int64_t utc_seconds);

// The offset that turns a reading of the zone's clock into an instant, as
// iCalendar reads a DTSTART with a TZID: a reading the zone's clocks skip
// (the spring gap) takes the offset in force before the gap, so 01:30 on the
// day London's clocks go from 01:00 to 02:00 is 01:30 UTC, shown afterwards as
// 02:30; a reading the clocks show twice (the autumn overlap) is the first of
// them, still on summer time.
int utc_offset_at(const ZoneRule& rule, const WallClock& local);

// The instant of a reading of the zone's clock: local - utc_offset_at(local).
std::int64_t utc_instant(const ZoneRule& rule, const WallClock& local);

// The day and local time (before the change) of a change in a year. The time
// may lie outside 00:00 to 24:00; the day it gives is then the day before or
// after that many whole days (see ChangeDay::time).
WallClock change_wall_clock(const ChangeDay& change, std::int64_t year);

}  // namespace league::zone
