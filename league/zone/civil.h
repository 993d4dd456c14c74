#pragma once

#include <cstdint>

namespace league::zone {

// Arithmetic on days of the proleptic Gregorian calendar, shared by the zone
// rules and the dates shown to people.

constexpr bool is_leap_year(std::int64_t year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

constexpr int days_in_month(std::int64_t year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && is_leap_year(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 (negative before it). `day` may run past the month's
// end or below 1: the count simply goes on into the next or previous month.
constexpr std::int64_t days_from_civil(std::int64_t year, int month, std::int64_t day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t year_of_era = year - era * 400;
  const std::int64_t month_from_march = month > 2 ? month - 3 : month + 9;
  const std::int64_t day_of_year = (153 * month_from_march + 2) / 5 + day - 1;
  return era * 146097 + year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year -
         719468;
}

struct CivilDay {
  std::int64_t year = 1970;
  int month = 1;
  int day = 1;
};

constexpr CivilDay civil_from_days(std::int64_t days) {
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
  return CivilDay{year_of_era + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// 0 for Sunday to 6 for Saturday (1970-01-01 was a Thursday).
constexpr int weekday_from_days(std::int64_t days) {
  const std::int64_t weekday = (days + 4) % 7;
  return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

// Floor division, for seconds before 1970.
constexpr std::int64_t floor_div(std::int64_t value, std::int64_t divisor) {
  const std::int64_t quotient = value / divisor;
  return quotient * divisor > value ? quotient - 1 : quotient;
}

}  // namespace league::zone
