#include "common/attendances/attendances_file.h"

#include <gtest/gtest.h>

#include <string>

namespace league {
namespace {

std::string attendances_text(const std::vector<AttendanceRow>& rows) {
  return format_attendances(rows);
}

const std::string kHeader =
    "Team                          Hfct   Afct   Pos  Size   SF    Ql    QlF   PF    Stadium "
    "Ticket Av_Ticket";

std::vector<std::int32_t> numbers(const AttendanceRow& row) {
  std::vector<std::int32_t> values;
  for (const auto number : kAttendanceNumbers) values.push_back(row.*number);
  return values;
}

std::vector<AttendanceRow> read_rows(std::string_view text) {
  AttendancesRead read = read_attendances(text);
  EXPECT_FALSE(read.problem);
  return std::move(read.rows);
}

std::string error_of(std::string_view text) {
  const AttendancesRead read = read_attendances(text);
  return read.problem ? describe(*read.problem) : "no error";
}

TEST(ReadAttendances, HeaderIgnoredBlankLinesSkippedExtraTokensIgnored) {
  const auto rows = read_rows(
      "Lions 1 2 3 4 5 6 7 8 9 10 11\r\n"  // the header line, whatever it holds
      "Lions 120 95 60 50000 10 3 20 5 45000 25 30 \r\n"
      "  \t\r\n"
      "\n"
      "Tigers -1 +2 3 4 5 6 7 8 9 10 11 and more words\r\n"
      "Bears 1 2 3 4 5 6 7 8 9 10 2147483647");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].Team, "Lions");
  EXPECT_EQ(numbers(rows[0]),
            (std::vector<std::int32_t>{120, 95, 60, 50000, 10, 3, 20, 5, 45000, 25, 30}));
  EXPECT_EQ(rows[1].Hfct, -1);
  EXPECT_EQ(rows[1].Afct, 2);
  EXPECT_EQ(rows[2].Av_Ticket, 2147483647);

  EXPECT_TRUE(read_rows("").empty());
  EXPECT_TRUE(read_rows(kHeader + "\n\n  \n").empty());
}

TEST(ReadAttendances, EveryLineIsReadWhole) {
  std::string text = kHeader;
  const std::string long_name(400, 'L');
  text += "\n" + long_name + " 1 2 3 4 5 6 7 8 9 10 11";
  for (int i = 0; i < 700; ++i)
    text += "\nTeam" + std::to_string(i) + " 0 0 " + std::to_string(i) + " 0 0 0 0 0 0 0 0";
  const auto rows = read_rows(text);
  ASSERT_EQ(rows.size(), 701u);
  EXPECT_EQ(rows[0].Team, long_name);
  EXPECT_EQ(rows[0].Av_Ticket, 11);
  EXPECT_EQ(rows[700].Pos, 699);
}

TEST(ReadAttendances, UnreadableLineStopsTheRunWithItsPhysicalNumber) {
  const std::string good = "\nLions 1 2 3 4 5 6 7 8 9 10 11";
  // Line 1 is the header, line 2 the good row, line 3 blank.
  const std::string invalid_fourth =
      "attendances.dat:4: does not read as a team and eleven whole numbers";
  EXPECT_EQ(error_of(kHeader + good + "\n\nTigers 1 2 3 4 5 6 7 8 9 10"), invalid_fourth);
  EXPECT_EQ(error_of(kHeader + good + "\n\nTigers 1 2 3 4 x 6 7 8 9 10 11"), invalid_fourth);
  EXPECT_EQ(error_of(kHeader + good + "\n\nTigers 1 2 3 4 5 6 7 8 9 10 11x"), invalid_fourth);
  EXPECT_EQ(error_of(kHeader + good + "\n\nTigers 1 2 3 4 5 6 7 8 9 10 -2147483649"),
            invalid_fourth);
  EXPECT_EQ(error_of(kHeader + good + "\r\n\r\nTigers\r\n"), invalid_fourth);
  // A row written with its name and first number run together.
  EXPECT_EQ(error_of(kHeader + "\n" + std::string(30, 'N') + "120    95 3 4 5 6 7 8 9 10 11"),
            "attendances.dat:2: does not read as a team and eleven whole numbers");
}

TEST(WriteAttendances, FixedHeaderAndLeftAlignedColumnsWithoutLineEndAtTheEnd) {
  const std::vector<AttendanceRow> rows{{"Lions", 120, 95, 77, 50000, 10, 3, 20, 5, 45000, 25, 30},
                                        {"No", 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                                        {"Bears", 100, 90, -80, 20000, 6, 1, 10, 3, 18000, 15, 18}};
  EXPECT_EQ(attendances_text(rows),
            kHeader +
                "\nLions                         120    95     77    50000 10    3     20    5     "
                "45000    25       30       "
                "\nBears                         100    90     -80   20000 6     1     10    3     "
                "18000    15       18       ");
  EXPECT_EQ(attendances_text({}), kHeader);
  EXPECT_EQ(attendances_text({{"No", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}), kHeader);
}

TEST(WriteAttendances, ValuesThatFillTheirColumnStaySeparateAndReadBack) {
  const std::vector<AttendanceRow> rows{{std::string(30, 'N'), 1234567, -123456, 123456, -12345,
                                         100000, 1, 2, 3, 123456789, -2147483647 - 1, 999999999},
                                        {std::string(29, 'M'), 123456, 12345, 12345, 12345, 12345,
                                         12345, 12345, 12345, 12345678, 12345678, 12345678}};
  const std::string text = attendances_text(rows);
  EXPECT_EQ(text, kHeader + "\n" + std::string(30, 'N') +
                      " 1234567 -123456 123456 -12345 100000 1     2     3     123456789 "
                      "-2147483648 999999999 "
                      "\n" +
                      std::string(29, 'M') +
                      " 123456 12345  12345 12345 12345 12345 12345 12345 12345678 12345678 "
                      "12345678 ");
  const auto back = read_rows(text);
  ASSERT_EQ(back.size(), 2u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(back[i].Team, rows[i].Team);
    EXPECT_EQ(numbers(back[i]), numbers(rows[i]));
  }
}

}  // namespace
}  // namespace league
