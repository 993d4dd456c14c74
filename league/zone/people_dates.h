#pragma once

#include <string>

namespace league::zone {

// 0 for Sunday to 6 for Saturday, of a date of the Gregorian calendar.
int weekday(int year, int month, int day);

// A date as people read it on a page: "Sat 13 Feb 2027", English names of
// days and months, no leading zero on the day. The fields are a real date.
std::string people_date(int year, int month, int day);

}  // namespace league::zone
