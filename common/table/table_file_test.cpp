#include "common/table/table_file.h"

#include <gtest/gtest.h>

#include <string>

namespace league {
namespace {

std::string table_text(const std::vector<TableEntry>& table) {
  return format_league_table(table);
}

const std::string kHeaderLines =
    "Pl   Team                      P    W   D   L    GF   GA   GD   Pts\n"
    "-------------------------------------------------------------------\n";

std::vector<TableEntry> read_rows(std::string_view text) {
  TableRead read = read_league_table(text, "table.txt");
  EXPECT_FALSE(read.problem) << describe(*read.problem);
  return std::move(read.rows);
}

// "ROW LINE: what" of the damaged row: the row the tools name and the line
// the problem is found on.
std::string error_of(std::string_view text) {
  const TableRead read = read_league_table(text, "table.txt");
  if (!read.problem) return "no error";
  return std::to_string(read.rows.size() + 1) + " " + describe(*read.problem);
}

bool same_rows(const std::vector<TableEntry>& a, const std::vector<TableEntry>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].Team != b[i].Team) return false;
    for (const auto counter : kTableCounters) {
      if (a[i].*counter != b[i].*counter) return false;
    }
  }
  return true;
}

TEST(ReadLeagueTable, LayoutAndLineEndsDoNotMatter) {
  const auto table = read_rows(kHeaderLines +
                               "1    Lions                     3    2   1   0     5    2 "
                               "   3     7\n"
                               "2    Tigers                    3    1   0   2     4    5 "
                               "  -1     3\n");
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[1].Team, "Tigers");
  EXPECT_EQ(table[1].GD, -1);
  EXPECT_EQ(table[1].Pts, 3);

  // Header split over lines, positions wrong, tabs, CRLF and several rows a line.
  const auto hand = read_rows(
      "Pl Team P\r\nW D L GF GA GD Pts\r\n--\r\n\r\n9 Lions 3 2 1 0 5 2 3 7 9\tTigers\r\n3 1 0 2 "
      "4 5 -1 +3\r\n");
  EXPECT_TRUE(same_rows(hand, table));

  // Fewer tokens than the two header lines hold: an empty table.
  EXPECT_TRUE(read_rows(kHeaderLines).empty());
  EXPECT_TRUE(read_rows("Pl Team P W D L\n").empty());
}

TEST(ReadLeagueTable, EveryRowIsReadAndLongNamesStayWhole) {
  std::string text = kHeaderLines;
  const std::string long_name(40, 'x');
  for (int i = 1; i <= 120; ++i)
    text += std::to_string(i) + " Team" + std::to_string(i) + " 0 0 0 0 0 0 0 " +
            std::to_string(i) + "\n";
  text += "121 " + long_name + " 1 2 3 4 5 6 7 8\n";
  const auto table = read_rows(text);
  ASSERT_EQ(table.size(), 121u);
  EXPECT_EQ(table[119].Pts, 120);
  EXPECT_EQ(table[120].Team, long_name);
}

TEST(ReadLeagueTable, MalformedRowStopsTheRunNamingItsNumber) {
  const std::string good = "1 Lions 3 2 1 0 5 2 3 7\n";
  const std::string invalid_second =
      "2 table.txt:4: row 2 does not read as a position, a team and eight whole numbers";
  // A non-integer in any number, the position included.
  EXPECT_EQ(error_of(kHeaderLines + good + "2 Tigers 3 x 0 2 4 5 -1 3\n"), invalid_second);
  EXPECT_EQ(error_of(kHeaderLines + good + "2 Tigers 3 1 0 2 4 5 -1 3pts\n"), invalid_second);
  EXPECT_EQ(error_of(kHeaderLines + good + "two Tigers 3 1 0 2 4 5 -1 3\n"), invalid_second);
  EXPECT_EQ(error_of(kHeaderLines + good + "2 Tigers 3 1 0 2 4 5 -1 2147483648\n"), invalid_second);
  // Cut short by the end of the file, after the position, the name or a number.
  EXPECT_EQ(error_of(kHeaderLines + good + "2"), invalid_second);
  EXPECT_EQ(error_of(kHeaderLines + good + "2 Tigers\n"), invalid_second);
  EXPECT_EQ(error_of(kHeaderLines + good + "2 Tigers 3 1 0 2 4 5 -1\n"), invalid_second);
  EXPECT_EQ(error_of(kHeaderLines + "1 Lions 3 2 1 0 5 2 x\n" + good),
            "1 table.txt:3: row 1 does not read as a position, a team and eight whole numbers");
  // Reading is by tokens: a row one number short takes the next position as its
  // points, and the next row then starts at a team name. The tools name the
  // next row; the problem is found on the short row's own line.
  EXPECT_EQ(error_of(kHeaderLines + good + "2 Lions 3 2 1 0 5 2 3\n3 Tigers 3 1 0 2 4 5 -1 3\n"),
            "3 table.txt:4: row 2 (Lions) is a number short");
}

TEST(WriteLeagueTable, RowsNumberedFromOneInTheFixedLayout) {
  std::vector<TableEntry> table{{"Tigers", 3, 1, 0, 2, 4, 5, -1, 3},
                                {"Lions", 3, 2, 1, 0, 5, 2, 3, 7}};
  EXPECT_EQ(table_text(table),
            kHeaderLines +
                "1    Tigers                    3    1   0   2     4    5   -1     3\n"
                "2    Lions                     3    2   1   0     5    2    3     7\n");
  EXPECT_EQ(table_text({}), kHeaderLines);
}

TEST(WriteLeagueTable, WideValuesWidenTheirColumnAndReadBack) {
  const std::vector<TableEntry> table{
      {std::string(30, 'N'), 1, 0, 0, 1, 2147483647, 5, 2147483642, 0},
      {"Bears", -1000, 0, 0, 0, -2147483647 - 1, 0, 0, 123456}};
  const std::string text = table_text(table);
  EXPECT_NE(text.find("\n1    " + std::string(30, 'N') +
                      "   1    0   0   1 2147483647    5 "
                      "2147483642     0\n"),
            std::string::npos);
  EXPECT_NE(text.find("\n2    Bears                   -1000    0   0   0 -2147483648    0    0 "
                      "123456\n"),
            std::string::npos);
  EXPECT_TRUE(same_rows(read_rows(text), table));
}

}  // namespace
}  // namespace league
