#include "league/zone/people_dates.h"

#include <array>
#include <string_view>

#include "league/zone/civil.h"

namespace league::zone {

int weekday(int year, int month, int day) {
  return weekday_from_days(days_from_civil(year, month, day));
}

std::string people_date(int year, int month, int day) {
  static constexpr std::array<std::string_view, 7> kDays = {"Sun", "Mon", "Tue", "Wed",
                                                            "Thu", "Fri", "Sat"};
  static constexpr std::array<std::string_view, 12> kMonths = {
      "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::string text(kDays[static_cast<std::size_t>(weekday(year, month, day))]);
  text += ' ' + std::to_string(day) + ' ';
  text += kMonths[static_cast<std::size_t>(month - 1)];
  return text + ' ' + std::to_string(year);
}

}  // namespace league::zone
