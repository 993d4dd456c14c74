#include "league/zone/time_zone.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "common/text/spaces.h"
#include "league/zone/civil.h"

namespace league::zone {
namespace {

constexpr std::int64_t kDay = 86400;

bool is_letter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Reads a rule's text from the front, consuming what it takes.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool done() const { return text_.empty(); }
  bool next_is(char c) const { return !text_.empty() && text_.front() == c; }
  bool take(char c) {
    if (!next_is(c)) return false;
    text_.remove_prefix(1);
    return true;
  }

  // A zone abbreviation: three or more letters, or <...> with letters,
  // digits, '+' and '-'.
  std::optional<std::string> name() {
    std::size_t length = 0;
    if (take('<')) {
      while (length < text_.size() && (is_letter(text_[length]) || is_digit(text_[length]) ||
                                       text_[length] == '+' || text_[length] == '-'))
        ++length;
      if (length < 3 || length >= text_.size() || text_[length] != '>') return std::nullopt;
      std::string result(text_.substr(0, length));
      text_.remove_prefix(length + 1);
      return result;
    }
    while (length < text_.size() && is_letter(text_[length])) ++length;
    if (length < 3) return std::nullopt;
    std::string result(text_.substr(0, length));
    text_.remove_prefix(length);
    return result;
  }

  // Up to `digits` decimal digits, at least one, no more than `limit`.
  std::optional<int> number(std::size_t digits, int limit) {
    std::size_t length = 0;
    int value = 0;
    while (length < text_.size() && length < digits && is_digit(text_[length]))
      value = value * 10 + (text_[length++] - '0');
    if (length == 0 || value > limit) return std::nullopt;
    text_.remove_prefix(length);
    return value;
  }

  // [+-]hh[:mm[:ss]] in seconds, hours up to `max_hours`.
  std::optional<int> duration(int max_hours) {
    const bool negative = take('-');
    if (!negative) take('+');
    const auto hours = number(max_hours > 99 ? 3 : 2, max_hours);
    if (!hours) return std::nullopt;
    int seconds = *hours * 3600;
    for (int unit : {60, 1}) {
      if (!take(':')) break;
      const auto part = number(2, 59);
      if (!part) return std::nullopt;
      seconds += *part * unit;
    }
    return negative ? -seconds : seconds;
  }

  std::optional<ChangeDay> change_day() {
    ChangeDay change;
    if (take('M')) {
      const auto month = number(2, 12);
      if (!month || *month < 1 || !take('.')) return std::nullopt;
      const auto week = number(1, 5);
      if (!week || *week < 1 || !take('.')) return std::nullopt;
      const auto weekday = number(1, 6);
      if (!weekday) return std::nullopt;
      change.form = ChangeDay::Form::kMonthWeekDay;
      change.month = *month;
      change.week = *week;
      change.weekday = *weekday;
    } else if (take('J')) {
      const auto day = number(3, 365);
      if (!day || *day < 1) return std::nullopt;
      change.form = ChangeDay::Form::kJulian;
      change.day = *day;
    } else {
      const auto day = number(3, 365);
      if (!day) return std::nullopt;
      change.form = ChangeDay::Form::kZeroBased;
      change.day = *day;
    }
    if (take('/')) {
      const auto time = duration(167);
      if (!time) return std::nullopt;
      change.time = *time;
    }
    return change;
  }

 private:
  std::string_view text_;
};

// Days since 1970-01-01 of the day a change's day-of-year rule gives.
std::int64_t change_day_number(const ChangeDay& change, std::int64_t year) {
  switch (change.form) {
    case ChangeDay::Form::kJulian: {
      const int day = change.day + (is_leap_year(year) && change.day >= 60 ? 1 : 0);
      return days_from_civil(year, 1, day);
    }
    case ChangeDay::Form::kZeroBased:
      return days_from_civil(year, 1, change.day + 1);
    case ChangeDay::Form::kMonthWeekDay:
      break;
  }
  const std::int64_t first = days_from_civil(year, change.month, 1);
  const int first_weekday = weekday_from_days(first);
  std::int64_t day = first + (change.weekday - first_weekday + 7) % 7 + 7 * (change.week - 1);
  const std::int64_t next_month = first + days_in_month(year, change.month);
  while (day >= next_month) day -= 7;
  return day;
}

// Seconds since 1970-01-01 of a local reading, as if the clock were UTC.
std::int64_t local_seconds(const WallClock& local) {
  return days_from_civil(local.year, local.month, local.day) * kDay + local.hour * 3600 +
         local.minute * 60 + local.second;
}

// The year of a count of local or UTC seconds.
std::int64_t year_of(std::int64_t seconds) {
  return civil_from_days(floor_div(seconds, kDay)).year;
}

}  // namespace

std::string format_time_zone(const TimeZone& zone) {
  return zone.name + ' ' + zone.rule;
}

std::optional<TimeZone> parse_time_zone(std::string_view text) {
  while (!text.empty() && is_space(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_space(text.back())) text.remove_suffix(1);
  std::size_t name_end = 0;
  while (name_end < text.size() && !is_space(text[name_end])) ++name_end;
  std::size_t rule_start = name_end;
  while (rule_start < text.size() && is_space(text[rule_start])) ++rule_start;
  TimeZone zone{std::string(text.substr(0, name_end)), std::string(text.substr(rule_start))};
  if (!is_zone_name(zone.name) || !parse_zone_rule(zone.rule)) return std::nullopt;
  return zone;
}

bool is_zone_name(std::string_view name) {
  if (name.empty()) return false;
  std::size_t part_start = 0;
  for (std::size_t i = 0; i <= name.size(); ++i) {
    if (i == name.size() || name[i] == '/') {
      const std::string_view part = name.substr(part_start, i - part_start);
      if (part.empty() || part == "." || part == "..") return false;
      part_start = i + 1;
      continue;
    }
    const char c = name[i];
    if (!is_letter(c) && !is_digit(c) && c != '_' && c != '-' && c != '+' && c != '.') return false;
  }
  return true;
}

std::optional<ZoneRule> parse_zone_rule(std::string_view text) {
  Reader reader(text);
  ZoneRule rule;
  auto name = reader.name();
  const auto offset = name ? reader.duration(24) : std::nullopt;
  if (!offset) return std::nullopt;
  rule.standard_name = std::move(*name);
  rule.standard_offset = -*offset;
  if (reader.done()) return rule;

  ZoneRule::Summer summer;
  auto summer_name = reader.name();
  if (!summer_name) return std::nullopt;
  summer.name = std::move(*summer_name);
  summer.offset = rule.standard_offset + 3600;
  if (!reader.next_is(',')) {
    const auto summer_offset = reader.duration(24);
    if (!summer_offset) return std::nullopt;
    summer.offset = -*summer_offset;
  }
  if (!reader.take(',')) return std::nullopt;
  const auto start = reader.change_day();
  if (!start || !reader.take(',')) return std::nullopt;
  const auto end = reader.change_day();
  if (!end || !reader.done()) return std::nullopt;
  summer.start = *start;
  summer.end = *end;
  rule.summer = std::move(summer);
  return rule;
}

std::int64_t utc_seconds(const WallClock& utc) {
  return local_seconds(utc);
}

WallClock utc_wall_clock(std::int64_t seconds) {
  const std::int64_t days = floor_div(seconds, kDay);
  const auto second_of_day = static_cast<int>(seconds - days * kDay);
  const CivilDay day = civil_from_days(days);
  return WallClock{static_cast<int>(day.year), day.month,         day.day, second_of_day / 3600,
                   second_of_day / 60 % 60,    second_of_day % 60};
}

WallClock change_wall_clock(const ChangeDay& change, std::int64_t year) {
  return utc_wall_clock(change_day_number(change, year) * kDay + change.time);
}

int utc_offset_at_instant(const ZoneRule& rule, std::int64_t seconds) {
  if (!rule.summer) return rule.standard_offset;
  const ZoneRule::Summer& summer = *rule.summer;
  // The changes of the years around the instant, in order: summer time is
  // in force after the last change before it that starts it. A change's
  // time is read on the clock in force before it.
  struct Change {
    std::int64_t at;
    bool starts_summer;
  };
  std::array<Change, 6> changes{};
  const std::int64_t year = year_of(seconds);
  for (std::int64_t i = 0; i < 3; ++i) {
    const std::int64_t y = year - 1 + i;
    changes[2 * i] = {local_seconds(change_wall_clock(summer.start, y)) - rule.standard_offset,
                      true};
    changes[2 * i + 1] = {local_seconds(change_wall_clock(summer.end, y)) - summer.offset, false};
  }
  // On a tie (summer time all year: one year's end is the next one's start)
  // the start comes last.
  std::sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) {
    return a.at != b.at ? a.at < b.at : !a.starts_summer && b.starts_summer;
  });
  bool in_summer = !changes.front().starts_summer;
  for (const Change& change : changes) {
    if (change.at > seconds) break;
    in_summer = change.starts_summer;
  }
  return in_summer ? summer.offset : rule.standard_offset;
}

WallClock wall_clock_at(const ZoneRule& rule, std::int64_t seconds) {
  return utc_wall_clock(seconds + utc_offset_at_instant(rule, seconds));
}

int utc_offset_at(const ZoneRule& rule, const WallClock& local) {
  if (!rule.summer) return rule.standard_offset;
  const std::int64_t reading = local_seconds(local);
  const int low = std::min(rule.standard_offset, rule.summer->offset);
  const int high = std::max(rule.standard_offset, rule.summer->offset);
  const bool low_fits = utc_offset_at_instant(rule, reading - low) == low;
  const bool high_fits = utc_offset_at_instant(rule, reading - high) == high;
  if (low_fits != high_fits) return low_fits ? low : high;
  // Shown twice: the earlier instant, on the higher offset. Skipped: the
  // offset before the gap, which the earlier of the two candidates has.
  return utc_offset_at_instant(rule, reading - high);
}

std::int64_t utc_instant(const ZoneRule& rule, const WallClock& local) {
  return local_seconds(local) - utc_offset_at(rule, local);
}

}  // namespace league::zone
