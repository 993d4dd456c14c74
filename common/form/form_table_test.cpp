#include "common/form/form_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace league {
namespace {

const std::string kHead =
    "Pl   Team                           Form  \n"
    "----------------------------------------\n";

// Each row as "name|six places".
std::vector<std::string> rows_of(const std::vector<FormEntry>& table) {
  std::vector<std::string> rows;
  for (const FormEntry& entry : table)
    rows.push_back(entry.Team + "|" + std::string(entry.form.text()));
  return rows;
}

std::vector<FormEntry> read_entries(const std::string& text) {
  FormRead read = read_form_table(text);
  EXPECT_FALSE(read.problem);
  return std::move(read.rows);
}

std::vector<std::string> read_rows(const std::string& text) {
  return rows_of(read_entries(text));
}

// "ROW LINE" of the damaged row: the row the tools name and the line it is on.
std::string error_of(const std::string& text) {
  const FormRead read = read_form_table(text);
  if (!read.problem) return "no error";
  return std::to_string(read.rows.size() + 1) + " " + std::to_string(read.problem->line);
}

TEST(ReadFormTable, RowsInFileOrderWhateverTheHeadersAndPositions) {
  EXPECT_EQ(
      read_rows("1 Header WWWWWW\n2 LooksLikeARow DDDDDD\n"
                "7    Alpha      WWDLWD\n\n   \t\n"
                "-3 Beta LLL extra tokens are ignored\n"
                "+0 Gamma\n4 Delta W\n"),
      (std::vector<std::string>{"Alpha|WWDLWD", "Beta|   LLL", "Gamma|      ", "Delta|     W"}));
  EXPECT_TRUE(read_entries(kHead).empty());
  EXPECT_TRUE(read_entries("Pl Team Form\n").empty());
}

TEST(ReadFormTable, InvalidRowsAreRefusedByTheirDataRowNumber) {
  EXPECT_EQ(error_of(kHead + "x Alpha WWWWWW\n"), "1 3");
  EXPECT_EQ(error_of(kHead + "1 Alpha WWWWWW\n\n2\n3 Gamma LLLLLL\n"), "2 5");
  EXPECT_EQ(error_of(kHead + "1 A W\n2 B W\n3Gamma LLLLLL\n"), "3 5");
  EXPECT_EQ(error_of(kHead + "99999999999 Alpha W\n"), "1 3");
}

TEST(ReadFormTable, CarriageReturnsAreWhiteSpace) {
  EXPECT_EQ(read_rows("Pl   Team   Form  \r\n------\r\n"
                      "1    Alpha                          WWDDLL\r\n2    Beta\r\n\r\n"
                      "3    Gamma                              WD\r\n"),
            (std::vector<std::string>{"Alpha|WWDDLL", "Beta|      ", "Gamma|    WD"}));
}

TEST(ReadFormTable, EveryRowIsReadAndEachRowWhole) {
  std::string text = kHead;
  for (int i = 1; i <= 120; ++i)
    text += std::to_string(i) + " Team" + std::to_string(i) + " DDDDDW\n";
  const std::string long_name(400, 'X');
  text += "121 " + long_name + " WWWWWL\n";
  const std::vector<std::string> rows = read_rows(text);
  ASSERT_EQ(rows.size(), 121u);
  EXPECT_EQ(rows[119], "Team120|DDDDDW");
  EXPECT_EQ(rows[120], long_name + "|WWWWWL");
}

TEST(OrderFormTable, MorePointsFirstAndTiesKeepFileOrder) {
  std::vector<FormEntry> table = read_entries(
      kHead + "1 A LLLLLD\n2 B WLLLLL\n3 C DDD\n4 D LLLLLL\n5 E WWWWWW\n6 F DLDLDL\n7 G wwwwww\n");
  order_form_table(table);
  std::string order;
  for (const FormEntry& entry : table) order += entry.Team;
  EXPECT_EQ(order, "EBCFADG");
}

TEST(FormatFormTable, WrittenRowsReadBackUnchanged) {
  const std::vector<FormEntry> table{{"Alpha", FormString("WDLWDW")},
                                     {"Beta", FormString("WD")},
                                     {"Gamma", FormString("")},
                                     {std::string(300, 'Z'), FormString("LLLLLLDDD")}};
  EXPECT_EQ(read_rows(format_form_table(table)), rows_of(table));
}

}  // namespace
}  // namespace league
