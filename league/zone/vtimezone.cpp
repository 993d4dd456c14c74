#include "league/zone/vtimezone.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "common/text/wording.h"
#include "league/zone/civil.h"

namespace league::zone {
namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::array<std::string_view, 7> kDays = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

// "+0100", "-0500", "+054500": TZOFFSETFROM and TZOFFSETTO values.
std::string offset_text(int offset) {
  const int magnitude = std::abs(offset);
  std::string text(1, offset < 0 ? '-' : '+');
  text += two_digits(magnitude / 3600) + two_digits(magnitude / 60 % 60);
  if (magnitude % 60 != 0) text += two_digits(magnitude % 60);
  return text;
}

// The RRULE that repeats a change every year, or nothing when the change
// does not fall on a day such a rule can name.
std::optional<std::string> yearly_rule(const ChangeDay& change) {
  const std::int64_t shift = floor_div(change.time, kDay);
  std::string rule = "FREQ=YEARLY;BYMONTH=";
  if (change.form == ChangeDay::Form::kJulian) {
    // Jn never counts 29 February, so the day is the same date every year.
    if (shift != 0) return std::nullopt;
    const WallClock day = change_wall_clock(change, 1970);
    return rule + std::to_string(day.month) + ";BYMONTHDAY=" + std::to_string(day.day);
  }
  if (change.form != ChangeDay::Form::kMonthWeekDay) return std::nullopt;
  rule += std::to_string(change.month) + ";BYDAY=";
  if (shift == 0) {
    return rule + (change.week == 5 ? std::string("-1") : std::to_string(change.week)) +
           std::string(kDays[static_cast<std::size_t>(change.weekday)]);
  }
  // A change hours before or after the named weekday: the weekday that many
  // days on, among the month's days that weekday can then fall on.
  const int shortest = days_in_month(1970, change.month);
  const std::int64_t first =
      change.week == 5 ? shortest - 6 + shift : 7 * (change.week - 1) + 1 + shift;
  if (change.week == 5 && change.month == 2) return std::nullopt;
  if (first < 1 || first + 6 > shortest) return std::nullopt;
  const auto weekday = static_cast<std::size_t>(((change.weekday + shift) % 7 + 7) % 7);
  rule += std::string(kDays[weekday]) + ";BYMONTHDAY=";
  for (std::int64_t day = first; day < first + 7; ++day)
    rule += std::to_string(day) + (day + 1 < first + 7 ? "," : "");
  return rule;
}

// A STANDARD or DAYLIGHT part: the offsets before and after a change that
// happens every year as `change` says.
std::string observance(std::string_view kind, const std::string& name, int from, int to,
                       const ChangeDay& change, int last_year) {
  std::string text = "BEGIN:" + std::string(kind) + "\r\n";
  text += "TZOFFSETFROM:" + offset_text(from) + "\r\nTZOFFSETTO:" + offset_text(to) + "\r\n";
  text += "TZNAME:" + name + "\r\n";
  text += "DTSTART:" + ical_local_text(change_wall_clock(change, 1970)) + "\r\n";
  if (const auto rule = yearly_rule(change)) {
    text += "RRULE:" + *rule + "\r\n";
  } else {
    for (int year = 1971; year <= last_year; ++year)
      text += "RDATE:" + ical_local_text(change_wall_clock(change, year)) + "\r\n";
  }
  return text + "END:" + std::string(kind) + "\r\n";
}

}  // namespace

std::string ical_local_text(const WallClock& local) {
  std::string text = std::to_string(local.year);
  while (text.size() < 4) text.insert(0, 1, '0');
  return text + two_digits(local.month) + two_digits(local.day) + 'T' + two_digits(local.hour) +
         two_digits(local.minute) + two_digits(local.second);
}

std::string ical_utc_text(std::int64_t utc_seconds) {
  return ical_local_text(utc_wall_clock(utc_seconds)) + 'Z';
}

std::string zoned_property(std::string_view property, const TimeZone& zone,
                           const WallClock& local) {
  const bool quoted = zone.name.find_first_of(":;,") != std::string::npos;
  std::string text(property);
  text += ";TZID=";
  text += quoted ? '"' + zone.name + '"' : zone.name;
  return text + ':' + ical_local_text(local);
}

std::optional<std::string> vtimezone_text(const TimeZone& zone, int last_year) {
  const auto rule = parse_zone_rule(zone.rule);
  if (!rule) return std::nullopt;
  std::string text = "BEGIN:VTIMEZONE\r\nTZID:" + zone.name + "\r\n";
  if (!rule->summer) {
    text += "BEGIN:STANDARD\r\nTZOFFSETFROM:" + offset_text(rule->standard_offset) +
            "\r\nTZOFFSETTO:" + offset_text(rule->standard_offset) +
            "\r\nTZNAME:" + rule->standard_name + "\r\nDTSTART:19700101T000000\r\nEND:STANDARD\r\n";
  } else {
    const ZoneRule::Summer& summer = *rule->summer;
    text += observance("DAYLIGHT", summer.name, rule->standard_offset, summer.offset, summer.start,
                       last_year);
    text += observance("STANDARD", rule->standard_name, summer.offset, rule->standard_offset,
                       summer.end, last_year);
  }
  return text + "END:VTIMEZONE\r\n";
}

}  // namespace league::zone
