#include "league/season/dates.h"

#include <array>

#include "common/text/tokens.h"
#include "common/text/wording.h"

namespace league {

namespace {

constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

bool is_leap_year(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(int year, int month) {
  constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && is_leap_year(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

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
      date->day > days_in_month(date->year, date->month))
    return std::nullopt;
  return date;
}

std::string format_date(const Date& date) {
  return two_digits(date.year / 100) + two_digits(date.year % 100) + '-' + two_digits(date.month) +
         '-' + two_digits(date.day);
}

// Days from civil dates and back, counting in eras of 400 years (146097 days)
// that start on 1 March, so that the leap day ends each year.
std::int64_t days_since_epoch(const Date& date) {
  const std::int64_t year = date.year - (date.month <= 2 ? 1 : 0);
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t year_of_era = year - era * 400;
  const std::int64_t month_from_march = date.month > 2 ? date.month - 3 : date.month + 9;
  const std::int64_t day_of_year = (153 * month_from_march + 2) / 5 + date.day - 1;
  const std::int64_t day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

std::optional<Date> date_from_days(std::int64_t days) {
  if (days < days_since_epoch(Date{1, 1, 1}) || days > days_since_epoch(Date{9999, 12, 31}))
    return std::nullopt;
  const std::int64_t shifted = days + 719468;
  const std::int64_t era = (shifted >= 0 ? shifted : shifted - 146096) / 146097;
  const std::int64_t day_of_era = shifted - era * 146097;
  const std::int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const std::int64_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int64_t month_from_march = (5 * day_of_year + 2) / 153;
  const int day = static_cast<int>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
  const int month =
      static_cast<int>(month_from_march < 10 ? month_from_march + 3 : month_from_march - 9);
  const int year = static_cast<int>(year_of_era + era * 400 + (month <= 2 ? 1 : 0));
  return Date{year, month, day};
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
         std::to_string(days_in_month(laid_out->year, month)) + " days";
}

}  // namespace league
