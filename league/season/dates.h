#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace league {

// The days and times of the league's calendar, as fixtures.txt writes them.

// A day of the proleptic Gregorian calendar, years 1 to 9999.
struct Date {
  int year = 1;
  int month = 1;
  int day = 1;
  friend auto operator<=>(const Date&, const Date&) = default;
};

// "YYYY-MM-DD" exactly, and a day that exists: 2027-02-30 is no date.
std::optional<Date> parse_date(std::string_view text);
std::string format_date(const Date& date);

// Days since 1970-01-01 (negative before it), and back.
std::int64_t days_since_epoch(const Date& date);
// The date `days` days after 1970-01-01; nothing outside years 1 to 9999.
std::optional<Date> date_from_days(std::int64_t days);

// A time of day on the league's clock, 00:00 to 23:59.
struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  friend auto operator<=>(const TimeOfDay&, const TimeOfDay&) = default;
};

// "HH:MM" exactly, two digits each.
std::optional<TimeOfDay> parse_time(std::string_view text);
std::string format_time(const TimeOfDay& time);

// Why a token that should be a date (YYYY-MM-DD) is none: "2027-02-30 is
// not a date: February 2027 has 28 days".
std::string date_problem(std::string_view token);

}  // namespace league
