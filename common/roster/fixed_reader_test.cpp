#include "common/roster/fixed_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace league {
namespace {

const std::string kHeader = "Name Age Nat ...\n-----\n";

// The values of a layout 1 line: name, age, nationality, then 19 integers 1..19.
std::vector<std::string> layout1_values(const std::string& name) {
  std::vector<std::string> values = {name, "20", "ENG"};
  for (int v = 1; v <= 19; ++v) values.push_back(std::to_string(v));
  return values;
}

std::string line_of(const std::vector<std::string>& values) {
  std::string line;
  for (const std::string& value : values) line += (line.empty() ? "" : " ") + value;
  return line + "\n";
}

std::string layout1_line(const std::string& name) {
  return line_of(layout1_values(name));
}

// A layout 2 line with every value distinct, so misplaced fields show.
const std::string kLayout2Line =
    "Kim 31 KOR 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24\n";

TEST(FixedReader, Layout2PutsEachValueInItsOwnField) {
  std::vector<Player> table;
  ASSERT_EQ(read_roster_fixed(kHeader + kLayout2Line, table, 50, 2), 1);
  const Player& p = table[0];
  EXPECT_EQ(p.Name, "Kim");
  EXPECT_EQ(p.Age, 31);
  EXPECT_EQ(p.Nat, "KOR");
  EXPECT_EQ(p.St, 1);
  EXPECT_EQ(p.SAb, 9);
  EXPECT_EQ(p.Gam, 10);
  EXPECT_EQ(p.Sub, 11);
  EXPECT_EQ(p.Min, 12);
  EXPECT_EQ(p.Mom, 13);
  EXPECT_EQ(p.Sav, 14);  // the file has Sav before Con
  EXPECT_EQ(p.Con, 15);
  EXPECT_EQ(p.Ktk, 16);
  EXPECT_EQ(p.Sus, 23);
  EXPECT_EQ(p.Fit, 24);
}

TEST(FixedReader, FieldsTheLayoutLacksKeepWhatTheTableHeld) {
  std::vector<Player> table(50);
  table[0].Mom = 7;
  table[0].Sub = 8;
  table[0].Min = 9;
  table[0].Con = 10;
  table[0].Fit = 11;
  ASSERT_EQ(read_roster_fixed(kHeader + layout1_line("Ann"), table, 50, 1), 1);
  EXPECT_EQ(table[0].Sav, 11);  // layout 1 goes Gam, Sav, Ktk
  EXPECT_EQ(table[0].Ktk, 12);
  EXPECT_EQ(table[0].Mom, 7);
  EXPECT_EQ(table[0].Sub, 8);
  EXPECT_EQ(table[0].Min, 9);
  EXPECT_EQ(table[0].Con, 10);
  EXPECT_EQ(table[0].Fit, 11);

  // Layout 6 carries Mom and Fit but neither Sub, Min nor Con.
  const std::string line6 = "Bo 22 FRA 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21\n";
  ASSERT_EQ(read_roster_fixed(kHeader + line6, table, 50, 6), 1);
  EXPECT_EQ(table[0].Mom, 11);
  EXPECT_EQ(table[0].Sav, 12);
  EXPECT_EQ(table[0].Ktk, 13);
  EXPECT_EQ(table[0].Fit, 21);
  EXPECT_EQ(table[0].Sub, 8);
  EXPECT_EQ(table[0].Con, 10);
}

TEST(FixedReader, AnIntegerEndsAtItsFirstNonDigit) {
  std::vector<Player> table;
  auto inner = layout1_values("Cy");
  inner[12] = "10abc";  // Gam
  auto last = layout1_values("Di");
  last.back() = "19abc";  // Sus, the last value
  auto glued = layout1_values("Ed");
  glued[1] = "20ENG";  // age and nationality glued together
  glued.erase(glued.begin() + 2);

  ASSERT_EQ(
      read_roster_fixed(kHeader + line_of(inner) + line_of(last) + line_of(glued), table, 50, 1),
      2);
  EXPECT_EQ(table[0].Name, "Di");
  EXPECT_EQ(table[0].Sus, 19);
  EXPECT_EQ(table[1].Name, "Ed");
  EXPECT_EQ(table[1].Age, 20);
  EXPECT_EQ(table[1].Nat, "ENG");
}

TEST(FixedReader, SignsAndTheThirtyTwoBitRange) {
  std::vector<Player> table;
  auto with_age = [](const std::string& age) {
    auto values = layout1_values("Fa");
    values[1] = age;
    return line_of(values);
  };
  const std::string text = kHeader + with_age("+21") + with_age("-2147483648") +
                           with_age("0002147483647") + with_age("2147483648") +
                           with_age("-2147483649") + with_age("-") + with_age("+x") +
                           with_age("x1");
  ASSERT_EQ(read_roster_fixed(text, table, 50, 1), 3);
  EXPECT_EQ(table[0].Age, 21);
  EXPECT_EQ(table[1].Age, -2147483647 - 1);
  EXPECT_EQ(table[2].Age, 2147483647);
}

TEST(FixedReader, AnyWhiteSpaceSeparatesAndSurplusValuesAreIgnored) {
  std::vector<Player> table;
  std::string spaced = layout1_line("Gus");
  std::string tabs;
  for (char c : spaced) tabs += c == ' ' ? std::string("\t \t") : std::string(1, c);
  std::string crlf = layout1_line("Hal");
  crlf.insert(crlf.size() - 1, "\r");
  std::string surplus = layout1_line("Ida");
  surplus.insert(surplus.size() - 1, " 99 extra words");

  ASSERT_EQ(read_roster_fixed(kHeader + "  " + tabs + crlf + surplus, table, 50, 1), 3);
  EXPECT_EQ(table[0].Name, "Gus");
  EXPECT_EQ(table[0].Sus, 19);
  EXPECT_EQ(table[1].Name, "Hal");
  EXPECT_EQ(table[1].Sus, 19);
  EXPECT_EQ(table[2].Sus, 19);

  // A layout 2 line read as layout 1 is taken by position.
  ASSERT_EQ(read_roster_fixed(kHeader + kLayout2Line, table, 50, 1), 1);
  EXPECT_EQ(table[0].Sav, 11);  // the Sub value
}

TEST(FixedReader, LinesThatDoNotFitAreSkippedAndTheirSlotReused) {
  std::vector<Player> table;
  auto values = layout1_values("Jo");
  values.pop_back();  // 21 values
  const std::string short_line = line_of(values);
  const std::string text = kHeader + "\n" + short_line + std::string(91, '-') + "\n" +
                           "Name Age Nat St\n" + layout1_line("Kai");
  ASSERT_EQ(read_roster_fixed(text, table, 50, 1), 1);
  EXPECT_EQ(table[0].Name, "Kai");
  EXPECT_EQ(table[0].Age, 20);
}

TEST(FixedReader, HeaderLinesAreSkippedWhateverTheyHold) {
  std::vector<Player> table;
  const std::string player = layout1_line("Lu");
  EXPECT_EQ(read_roster_fixed(player + player + player, table, 50, 1), 1);
  EXPECT_EQ(read_roster_fixed(player, table, 50, 1), 0);
  EXPECT_EQ(read_roster_fixed("", table, 50, 1), 0);
  EXPECT_EQ(read_roster_fixed(kHeader, table, 50, 1), 0);
}

TEST(FixedReader, StopsAtCapacityWithoutReadingFurther) {
  std::string text = kHeader;
  for (int i = 1; i <= 60; ++i) {
    std::string name = "P";
    name += std::to_string(i);
    text += layout1_line(name);
  }
  std::vector<Player> table;
  LineReader reader(text, kRosterLinePiece);
  ASSERT_EQ(read_roster_fixed(reader, table, 50, 1), 50);
  EXPECT_EQ(table[49].Name, "P50");
  const auto next = reader.next();
  ASSERT_TRUE(next.has_value());
  EXPECT_EQ(next->substr(0, 4), "P51 ");
}

TEST(FixedReader, LinesAreReadInPiecesOf254Characters) {
  // Exactly 254 characters before the line end: read whole, and the line end
  // alone is a blank line, skipped.
  std::string exact = layout1_line("Mo");
  exact.insert(exact.size() - 1, std::string(254 - exact.size() + 1, ' '));
  ASSERT_EQ(exact.size(), 255u);
  // Longer: the piece ends before the last value, which then stands alone on
  // the next piece; neither piece fits.
  auto values = layout1_values("No");
  values.pop_back();
  std::string longer = line_of(values);
  longer.pop_back();
  longer.resize(254, ' ');
  longer += " 19\n";
  // Padding before a line: its rest is read as a line of its own, which fits.
  std::string split = std::string(254, ' ') + layout1_line("Oz");

  std::vector<Player> table;
  ASSERT_EQ(read_roster_fixed(kHeader + exact + longer + split, table, 50, 1), 2);
  EXPECT_EQ(table[0].Name, "Mo");
  EXPECT_EQ(table[0].Sus, 19);
  EXPECT_EQ(table[1].Name, "Oz");
}

}  // namespace
}  // namespace league
