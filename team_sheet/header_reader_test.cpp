#include "team_sheet/header_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text/columns.h"

namespace league {
namespace {

constexpr int kCapacity = 50;

// "P7" and the like. (Built by append: GCC 12 warns falsely on "P" + to_string.)
std::string labelled(char prefix, std::size_t number) {
  std::string text(1, prefix);
  return text.append(std::to_string(number));
}

struct Read {
  int count = 0;
  SquadTable squad;
};

Read read(const std::string& roster, int capacity = kCapacity) {
  Read r;
  r.squad.resize(capacity + 1);
  r.count = read_roster_by_header(roster, r.squad, capacity);
  return r;
}

const std::string kLayout1Header =
    "Name         Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Sav Ktk Kps Sht Gls Ass  DP Inj Sus\n";
const std::string kLayout2Header =
    "Name         Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Sub  Min Mom Sav Con Ktk Kps Sht Gls "
    "Ass  DP Inj Sus Fit\n";

// A player row of the single-section layouts: Name in 13 columns, Age 3, Nat 4,
// the five skills 3 each, then every further value in 4 columns.
std::string layout_row(const std::string& name, std::vector<int> values) {
  std::string row;
  append_padded_left(row, name, 13);
  append_int_right(row, values[0], 3);
  append_padded_right(row, "ENG", 4);
  for (std::size_t i = 1; i < values.size(); ++i) append_int_right(row, values[i], i <= 5 ? 3 : 4);
  return row + "\n";
}

// One player of a two-section roster: the player-row fields and the statistics.
struct TwoSectionPlayer {
  std::string name;
  int st, tk, ps, sh;
  std::string pos = "MF";
  int gam = 0;
  std::string status = "Fit";
};

// A two-section roster with the four ability columns (or the single one), with
// or without the money columns, laid out as the league writes it.
std::string two_section_roster(const std::vector<TwoSectionPlayer>& players,
                               std::size_t statistics_rows, bool four_abilities = true,
                               bool money = true) {
  std::string header = four_abilities
                           ? "Name             Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb  DP Inj Sus"
                           : "Name             Age Nat St Tk Ps Sh Ag Abl  DP Inj Sus";
  if (money) header += "    Wage   Value";
  std::string text = header + "\n" + std::string(header.size(), '-') + "\n";
  for (const TwoSectionPlayer& p : players) {
    append_padded_left(text, p.name, 17);
    append_int_right(text, 24, 3);
    append_padded_right(text, "ENG", 4);
    for (int skill : {p.st, p.tk, p.ps, p.sh, 5}) append_int_right(text, skill, 3);
    for (int i = 0; i < (four_abilities ? 4 : 1); ++i) append_int_right(text, 40 + i, 4);
    for (int value : {2, 0, 0})  // DP Inj Sus
      append_int_right(text, value, 4);
    if (money) text += "     10K    1.5M";
    text += "\n";
  }
  const std::string dashes(88, '-');
  text +=
      "\n\n" + dashes + "\n" +
      "Name              Pos Gam Sub  Min Mom Sav Con Cls Ktk Kps Sht Gls Ass            Status\n" +
      dashes + "\n";
  for (std::size_t i = 0; i < statistics_rows && i < players.size(); ++i) {
    const TwoSectionPlayer& p = players[i];
    append_padded_left(text, p.name, 17);
    text += "  " + p.pos;
    append_int_right(text, p.gam, 4);
    append_int_right(text, 1, 4);                  // Sub
    append_int_right(text, 90, 5);                 // Min
    for (int value : {0, 0, 3, 4, 5, 6, 7, 8, 9})  // Mom Sav Con Cls Ktk Kps Sht Gls Ass
      append_int_right(text, value, 4);
    append_padded_right(text, p.status, 18);
    text += "\n";
  }
  return text;
}

std::vector<TwoSectionPlayer> numbered_players(int n) {
  std::vector<TwoSectionPlayer> players;
  for (int i = 1; i <= n; ++i) {
    players.push_back(
        {labelled('P', i), i, i + 1, i + 2, i + 3, i % 2 ? "GK" : "FW", 100 + i, labelled('S', i)});
  }
  return players;
}

TEST(HeaderReaderTest, Layout1RosterLeavesMarkersForEveryAbsentColumn) {
  const Read r = read(
      kLayout1Header + std::string(91, '-') + "\n" +
      layout_row("Ann", {20, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}) +
      layout_row("Bob", {21, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}));
  ASSERT_EQ(r.count, 2);
  EXPECT_EQ(r.squad[1].Sections, 1);
  const ExtendedPlayer& ann = r.squad[1];
  EXPECT_EQ(ann.Name, "Ann");
  EXPECT_EQ(ann.Nat, "ENG");
  EXPECT_EQ(ann.Age, 20);
  EXPECT_EQ(ann.St, 1);
  EXPECT_EQ(ann.Sh, 4);
  EXPECT_EQ(ann.SAb, 9);
  EXPECT_EQ(ann.Gam, 10);
  EXPECT_EQ(ann.Sav, 11);
  EXPECT_EQ(ann.Ass, 16);
  EXPECT_EQ(ann.Sus, 19);
  for (const ExtendedPlayer& p : {r.squad[1], r.squad[2]}) {
    EXPECT_EQ(p.Sub, -1);
    EXPECT_EQ(p.Min, -1);
    EXPECT_EQ(p.Mom, -1);
    EXPECT_EQ(p.Con, -1);
    EXPECT_EQ(p.Cls, -1);
    EXPECT_EQ(p.Fit, -1);
    EXPECT_EQ(p.Abl, -999);
    EXPECT_EQ(p.Wage, "NONE");
    EXPECT_EQ(p.Value, "NONE");
    EXPECT_EQ(p.Status, "NONE");
    EXPECT_EQ(p.Pos, "");
  }
}

TEST(HeaderReaderTest, Layout2RosterFillsSavAndConFromTheirOwnColumns) {
  const Read r = read(kLayout2Header + std::string(112, '-') + "\n" +
                      layout_row("Cy", {22, 1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                        13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}));
  ASSERT_EQ(r.count, 1);
  const ExtendedPlayer& cy = r.squad[1];
  EXPECT_EQ(cy.Sub, 11);
  EXPECT_EQ(cy.Min, 12);
  EXPECT_EQ(cy.Mom, 13);
  EXPECT_EQ(cy.Sav, 14);
  EXPECT_EQ(cy.Con, 15);
  EXPECT_EQ(cy.Fit, 24);
  EXPECT_EQ(cy.Abl, -999);
  EXPECT_EQ(cy.Cls, -1);
}

TEST(HeaderReaderTest, ReorderedHeaderWithUnknownAndOverlongColumns) {
  const std::string long_name(60, 'x');
  const Read r = read(
      "Fit Colour Sh Name Pos Nat Wage St Verylongcolumnname Status Value Abl Cls Tk Ps\n"
      "---\n"
      "77 red 12abc " +
      long_name + " GK ENGLAND 5,000 -3 9 Injured_for_a_long_while 2M x 14 +15 99999999999\n");
  ASSERT_EQ(r.count, 1);
  const ExtendedPlayer& p = r.squad[1];
  EXPECT_EQ(p.Fit, 77);
  EXPECT_EQ(p.Sh, 12);  // digits up to the first other character
  EXPECT_EQ(p.Name, long_name);
  EXPECT_EQ(p.Pos, "");  // not a column of the player rows
  EXPECT_EQ(p.Nat, "ENGLAND");
  EXPECT_EQ(p.Wage, "5,000");
  EXPECT_EQ(p.St, -3);
  EXPECT_EQ(p.Status, "Injured_for_a_long_while");
  EXPECT_EQ(p.Value, "2M");
  EXPECT_EQ(p.Abl, 0);  // no leading digits
  EXPECT_EQ(p.Cls, 14);
  EXPECT_EQ(p.Tk, 15);
  EXPECT_EQ(p.Ps, 2147483647);  // saturated
  EXPECT_EQ(p.KAb, -999);
}

TEST(HeaderReaderTest, ColumnLimitsDuplicatesAndShortRows) {
  // 32 names: the 32nd (Fit) can never receive one of the at most 31 tokens.
  // St is named twice and the later column wins.
  std::string header = "Name St";
  for (int i = 0; i < 28; ++i) header += " X";
  header += " St Fit\n";
  std::string row = "Ann 1";
  for (int i = 0; i < 28; ++i) row += " 0";
  row += " 8 90\n";
  const std::string fourteen = "Bob 4 0 0 0 0 0 0 0 0 0 0 0 0\n";
  const std::string thirteen = "Cat 5 0 0 0 0 0 0 0 0 0 0 0\n";
  const Read r = read(header + "-\n" + row + thirteen + "\n" + fourteen);
  ASSERT_EQ(r.count, 2);
  EXPECT_EQ(r.squad[1].St, 8);
  EXPECT_EQ(r.squad[1].Fit, -1);
  EXPECT_EQ(r.squad[2].Name, "Bob");
  EXPECT_EQ(r.squad[2].St, 4);  // the 31st column had no token: left as it was
}

TEST(HeaderReaderTest, HeaderOfOnlyNameAndStFillsNothingElse) {
  const Read r = read("Name\tSt\r\n-------\r\nAnn 7 50 50 50 50 50 50 50 50 50 50 50 50\r\n");
  ASSERT_EQ(r.count, 1);
  const ExtendedPlayer& p = r.squad[1];
  EXPECT_EQ(p.Name, "Ann");
  EXPECT_EQ(p.St, 7);
  EXPECT_EQ(p.Tk, 0);
  EXPECT_EQ(p.Age, 0);
  EXPECT_EQ(p.Nat, "");
  EXPECT_EQ(p.KAb, -999);
  EXPECT_EQ(p.Fit, -1);
}

TEST(HeaderReaderTest, LinesAreReadIn254CharacterPieces) {
  const std::string header = "Name Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Sav Fit\n-\n";
  const std::string start = "Ann 20 ENG 1 2 3 4 5 6 7 8 9 10 11";
  auto line_of = [&](std::size_t length) {
    return start + std::string(length - start.size() - 2, ' ') + "77\n";
  };
  const Read whole = read(header + line_of(253));
  ASSERT_EQ(whole.count, 1);
  EXPECT_EQ(whole.squad[1].Fit, 77);
  // Two characters more: the last '7' and the line end come back as a line of
  // their own, one token, skipped as no player row.
  const Read cut = read(header + line_of(255));
  ASSERT_EQ(cut.count, 1);
  EXPECT_EQ(cut.squad[1].Fit, 7);
}

TEST(HeaderReaderTest, EmptyOrHeaderOnlyRostersHoldNoPlayers) {
  EXPECT_EQ(read("").count, 0);
  EXPECT_EQ(read(kLayout1Header).count, 0);
  const Read r = read(kLayout1Header + std::string(91, '-') + "\n");
  EXPECT_EQ(r.count, 0);
  EXPECT_EQ(r.squad[1].Sections, 1);
}

TEST(HeaderReaderTest, TwoSectionRosterMatchesStatisticsByPosition) {
  std::vector<TwoSectionPlayer> players = numbered_players(20);
  std::string roster = two_section_roster(players, 20);
  // The statistics name column is not consulted: rename one row there.
  roster.replace(roster.rfind("P20 "), 4, "Zed ");
  const Read r = read(roster);
  ASSERT_EQ(r.count, 20);
  EXPECT_EQ(r.squad[1].Sections, 2);
  for (int i = 1; i <= 20; ++i) {
    const ExtendedPlayer& p = r.squad[i];
    EXPECT_EQ(p.Name, labelled('P', i));
    EXPECT_EQ(p.St, i);
    EXPECT_EQ(p.Sh, i + 3);
    EXPECT_EQ(p.Pos, i % 2 ? "GK" : "FW");
    EXPECT_EQ(p.Gam, 100 + i);
    EXPECT_EQ(p.Status, labelled('S', i));
    EXPECT_EQ(p.Ass, 9);
    EXPECT_EQ(p.Wage, "10K");
    EXPECT_EQ(p.Value, "1.5M");
    EXPECT_EQ(p.SAb, 43);
    EXPECT_EQ(p.Fit, -1);
  }
}

TEST(HeaderReaderTest, TwoSectionRosterReturnsTheNumberOfStatisticsRows) {
  const Read fewer = read(two_section_roster(numbered_players(20), 12));
  EXPECT_EQ(fewer.count, 12);
  EXPECT_EQ(fewer.squad[1].Sections, 2);

  // The single-ability form without money columns has 12 tokens a row: every
  // player row is skipped and only the statistics fill the slots.
  const Read single = read(two_section_roster(numbered_players(5), 5, false, false));
  ASSERT_EQ(single.count, 5);
  EXPECT_EQ(single.squad[1].Sections, 2);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(single.squad[i].Name, "");
    EXPECT_EQ(single.squad[i].St + single.squad[i].Tk + single.squad[i].Ps + single.squad[i].Sh, 0);
    EXPECT_EQ(single.squad[i].Gam, 100 + i);
  }

  // With the money columns the single-ability form has 14 tokens and is read.
  const Read money = read(two_section_roster(numbered_players(3), 3, false, true));
  ASSERT_EQ(money.count, 3);
  EXPECT_EQ(money.squad[3].Abl, 40);
  EXPECT_EQ(money.squad[3].KAb, -999);
}

TEST(HeaderReaderTest, FullTableStopsBeforeTheSeparator) {
  for (int players : {50, 55}) {
    const Read r = read(two_section_roster(numbered_players(players), players));
    EXPECT_EQ(r.count, 50);
    EXPECT_EQ(r.squad[1].Sections, 1);
    EXPECT_EQ(r.squad[50].Name, "P50");
    EXPECT_EQ(r.squad[50].Pos, "");  // statistics never read
  }
  const Read small = read(two_section_roster(numbered_players(5), 5), 3);
  EXPECT_EQ(small.count, 3);
  EXPECT_EQ(small.squad[1].Sections, 1);
}

TEST(HeaderReaderTest, MinusAtThe31stCharacterEndsThePlayerRows) {
  // Two-section layout: the 31st character is the first of Ps.
  std::vector<TwoSectionPlayer> players = numbered_players(4);
  players[2].ps = -10;
  const Read r = read(two_section_roster(players, 4));
  EXPECT_EQ(r.squad[1].Sections, 2);
  // P4's row is taken for the statistics header and the first empty line for its
  // underline; the eight lines left are all statistics rows, matching no column.
  EXPECT_EQ(r.count, 8);
  EXPECT_EQ(r.squad[2].Name, "P2");
  EXPECT_EQ(r.squad[3].Name, "");
  EXPECT_EQ(r.squad[1].Pos, "");
  players[2].ps = -9;  // " -9": a blank at the 31st character
  EXPECT_EQ(read(two_section_roster(players, 4)).squad[3].Name, "P3");

  // Single-section layouts: the 31st character is the middle one of Sh.
  const auto with_sh = [](int sh) {
    return read(kLayout1Header + std::string(91, '-') + "\n" +
                layout_row("Ann", {20, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) +
                layout_row("Bob", {20, 1, 1, 1, sh, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) +
                layout_row("Cy", {20, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  };
  const Read separated = with_sh(-5);
  EXPECT_EQ(separated.squad[1].Sections, 2);
  EXPECT_EQ(separated.count, 0);  // Cy is taken for the statistics header
  EXPECT_EQ(separated.squad[1].Name, "Ann");
  EXPECT_EQ(with_sh(-10).count, 3);
}

}  // namespace
}  // namespace league
