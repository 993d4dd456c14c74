#include "league/zone/people_dates.h"

#include <gtest/gtest.h>

namespace league::zone {
namespace {

TEST(PeopleDates, DayMonthAndYearAsPeopleReadThem) {
  EXPECT_EQ(people_date(2027, 2, 13), "Sat 13 Feb 2027");
  EXPECT_EQ(people_date(2027, 12, 5), "Sun 5 Dec 2027");
  EXPECT_EQ(people_date(2000, 2, 29), "Tue 29 Feb 2000");
  EXPECT_EQ(people_date(1970, 1, 1), "Thu 1 Jan 1970");
  EXPECT_EQ(people_date(1969, 12, 31), "Wed 31 Dec 1969");
  // A week across a month and a year: Sunday 0 to Saturday 6.
  const int days[][3] = {{2028, 12, 31}, {2029, 1, 1}, {2029, 1, 2}, {2029, 1, 3},
                         {2029, 1, 4},   {2029, 1, 5}, {2029, 1, 6}};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(weekday(days[i][0], days[i][1], days[i][2]), i) << i;
}

}  // namespace
}  // namespace league::zone
