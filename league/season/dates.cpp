#include "league/season/dates.h"

#include <array>

#include "common/text/tokens.h"
#include "common/text/wording.h"
#include "league/zone/civil.h"

namespace league {

namespace {

constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The value of `count` digits at the start of `text`, or nothing when any of
// them is no digit.
std::optional<int> digits(std::string_view text, std::size_t count) {
  if (text.size() < count) return std::nullopt;
  int value = 0;
  for (std::size_t k = 0; k < count; ++k) {
    if (!is_digit(text[k])) return std::nullopt;
    value = value * 10 + (text[k] - '0');
  }
  return value;
}

// The numbers of a text laid out as YYYY-MM-DD, valid or not.
std::optional<Date> date_layout(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = digits(text, 4);
  const auto month = digits(text.substr(5), 2);
  const auto day = digits(text.substr(8), 2);
  if (!year || !month || !day) return std::nullopt;
  return Date{*year, *month, *day};
}

}  // namespace

std::optional<Date> parse_date(std::string_view text) {
  const auto date = date_layout(text);
  if (!date || date->year < 1 || date->month < 1 || date->month > 12 || date->day < 1 ||
      date->day > zone::days_in_month(date->year, date->month))
    return std::nullopt;
  return date;
}

std::string format_date(const Date& date) {
  return two_digits(date.year / 100) + two_digits(date.year % 100) + '-' + two_digits(date.month) +
         '-' + two_digits(date.day);
}

std::int64_t days_since_epoch(const Date& date) {
  return zone::days_from_civil(date.year, date.month, date.day);
}

std::optional<Date> date_from_days(std::int64_t days) {
  if (days < days_since_epoch(Date{1, 1, 1}) || days > days_since_epoch(Date{9999, 12, 31}))
    return std::nullopt;
  const zone::CivilDay day = zone::civil_from_days(days);
  return Date{static_cast<int>(day.year), day.month, day.day};
}

std::optional<TimeOfDay> parse_time(std::string_view text) {
  if (text.size() != 5 || text[2] != ':') return std::nullopt;
  const auto hour = digits(text, 2);
  const auto minute = digits(text.substr(3), 2);
  if (!hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
  return TimeOfDay{*hour, *minute};
}

std::string format_time(const TimeOfDay& time) {
  return two_digits(time.hour) + ':' + two_digits(time.minute);
}

std::string date_problem(std::string_view token) {
  const std::string quoted(token);
  const auto laid_out = date_layout(token);
  if (!laid_out) return quoted + " is not a date YYYY-MM-DD";
  if (laid_out->year == 0) return quoted + " is not a date: years run from 0001";
  if (laid_out->month < 1 || laid_out->month > 12)
    return quoted + " is not a date: months run from 01 to 12";
  const int month = laid_out->month;
  return quoted + " is not a date: " + kMonthNames[static_cast<std::size_t>(month - 1)] + ' ' +
         std::to_string(laid_out->year) + " has " +
         std::to_string(zone::days_in_month(laid_out->year, month)) + " days";
}

}  // namespace league
