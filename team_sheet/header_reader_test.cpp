#include "team_sheet/header_reader.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <string>

namespace league {
namespace {

// "P7" and the like, built by append (GCC 12 warns falsely on "P" + to_string).
std::string numbered(const char* prefix, int number) {
  return std::string(prefix).append(std::to_string(number));
}

struct Read {
  int count = 0;
  SquadTable squad;
};

Read read(const std::string& roster, int capacity = 50) {
  Read r;
  r.count = read_roster_by_header(roster, r.squad, capacity);
  return r;
}

const std::string kLayout1 =
    "Name         Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Sav Ktk Kps Sht Gls Ass  DP Inj "
    "Sus\n-\n";
const std::string kLayout2 =
    "Name         Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Sub  Min Mom Sav Con Ktk Kps Sht Gls "
    "Ass  DP Inj Sus Fit\n-\n";

// A single-section row as the league lays it out: the name in 13 columns, Age,
// Nat and the skills St, Tk, Ps, Sh, then `more` values counting up from 1.
std::string layout_row(const std::string& name, int sh, int more) {
  std::ostringstream row;
  row << std::left << std::setw(13) << name << std::right << " 24 ENG  1  2  3" << std::setw(3)
      << sh;
  for (int i = 1; i <= more; ++i) row << std::setw(4) << i;
  return row.str() + "\n";
}

// A two-section roster of `players` (names P1, P2, ...; player i has St i and
// Ps `ps`) with `statistics` statistics rows (Pos GK, Gam 100 + i, Status S<i>),
// in the four-ability form or the single-ability form, with or without money.
std::string two_section(int players, int statistics, int ps = 3, bool four = true,
                        bool money = true) {
  std::ostringstream text;
  text << "Name             Age Nat St Tk Ps Sh Ag " << (four ? "KAb TAb PAb SAb" : "Abl")
       << "  DP Inj Sus" << (money ? "    Wage   Value" : "") << "\n---\n";
  for (int i = 1; i <= players; ++i) {
    text << std::left << std::setw(17) << numbered("P", i) << std::right << " 24 ENG"
         << std::setw(3) << i << "  2" << std::setw(3) << ps << "  4  5"
         << (four ? "  40  41  42  43" : "  40") << "   0   0   0"
         << (money ? "     10K    1.5M" : "") << "\n";
  }
  text << "\n\n"
       << std::string(88, '-') << "\n"
       << "Name  Pos Gam Sub Min Mom Sav Con Cls Ktk Kps Sht Gls Ass Status\n---\n";
  for (int i = 1; i <= statistics; ++i)
    text << "Q" << i << " GK " << 100 + i << " 1 90 2 3 4 5 6 7 8 9 10 S" << i << "\n";
  return text.str();
}

TEST(HeaderReaderTest, SingleSectionLayoutsKeepMarkersForAbsentColumns) {
  const Read one = read(kLayout1 + layout_row("Ann", 4, 15) + layout_row("Bob", 4, 15));
  ASSERT_EQ(one.count, 2);
  EXPECT_EQ(one.squad[1].Sections, 1);
  const ExtendedPlayer& ann = one.squad[1];
  EXPECT_EQ(ann.Name + "/" + ann.Nat, "Ann/ENG");
  EXPECT_EQ(ann.Sh, 4);
  EXPECT_EQ(ann.Ag, 1);
  EXPECT_EQ(ann.Sav, 7);
  EXPECT_EQ(ann.Sus, 15);
  for (int i : {1, 2}) {
    const ExtendedPlayer& p = one.squad[i];
    EXPECT_EQ(p.Sub + p.Min + p.Mom + p.Con + p.Cls + p.Fit, -6);
    EXPECT_EQ(p.Abl, -999);
    EXPECT_EQ(p.Wage + p.Value + p.Status + p.Pos, "NONENONENONE");
  }

  // Layout 2 files Sav before Con; each lands in its own field.
  const ExtendedPlayer cy = read(kLayout2 + layout_row("Cy", 4, 20)).squad[1];
  EXPECT_EQ(cy.Sub, 7);
  EXPECT_EQ(cy.Sav, 10);
  EXPECT_EQ(cy.Con, 11);
  EXPECT_EQ(cy.Fit, 20);
  EXPECT_EQ(cy.KAb, 2);
  EXPECT_EQ(cy.Cls, -1);
}

TEST(HeaderReaderTest, ReorderedHeaderWithUnknownColumnsAndOddValues) {
  const std::string long_name(60, 'x');
  const ExtendedPlayer p =
      read(
          "Fit Colour Sh Name Pos Nat Wage St Longcolumnname Status Abl Tk Ps Ps\n---\n"
          "77 red 12abc " +
          long_name +
          " GK ENGLAND 5,000 -3 9 Out_for_the_season x +15 1 "
          "99999999999\n")
          .squad[1];
  EXPECT_EQ(p.Fit, 77);
  EXPECT_EQ(p.Sh, 12);  // digits up to the first other character
  EXPECT_EQ(p.Name, long_name);
  EXPECT_EQ(p.Pos, "");  // not a column of the player rows
  EXPECT_EQ(p.Nat + p.Wage + p.Status, "ENGLAND5,000Out_for_the_season");
  EXPECT_EQ(p.St, -3);
  EXPECT_EQ(p.Abl, 0);  // no leading digits
  EXPECT_EQ(p.Tk, 15);
  EXPECT_EQ(p.Ps, 2147483647);  // named twice: the later column, saturated
  EXPECT_EQ(p.KAb, -999);
}

TEST(HeaderReaderTest, RowTokenLimits) {
  // 32 names: the 32nd (Fit) can never receive one of the at most 31 tokens.
  std::string header = "Name St", full = "Ann 1";
  for (int i = 0; i < 29; ++i) {
    header += " X";
    full += " 0";
  }
  const Read r = read(header + " Fit\n-\n" + full + " 8 90\n" +
                      "Cat 5 0 0 0 0 0 0 0 0 0 0 0\n\nBob 4 0 0 0 0 0 0 0 0 0 0 0 0\n");
  ASSERT_EQ(r.count, 2);  // 13 tokens and a blank line are no player rows
  EXPECT_EQ(r.squad[1].Fit, -1);
  EXPECT_EQ(r.squad[2].Name, "Bob");  // 14 tokens are enough

  const Read only = read("Name\tSt\r\n---\r\nAnn 7 50 50 50 50 50 50 50 50 50 50 50 50\r\n");
  ASSERT_EQ(only.count, 1);
  EXPECT_EQ(only.squad[1].St, 7);
  EXPECT_EQ(only.squad[1].Tk + only.squad[1].Age, 0);
  EXPECT_EQ(only.squad[1].Nat, "");
  EXPECT_EQ(only.squad[1].KAb, -999);
}

TEST(HeaderReaderTest, LinesAreReadIn254CharacterPieces) {
  const std::string header = "Name Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Sav Fit\n-\n";
  const std::string start = "Ann 20 ENG 1 2 3 4 5 6 7 8 9 10 11";
  auto line_of = [&](std::size_t length) {
    return start + std::string(length - start.size() - 2, ' ') + "77\n";
  };
  EXPECT_EQ(read(header + line_of(253)).squad[1].Fit, 77);
  // Two characters more: the last '7' and the line end come back as a line of
  // their own, one token, no player row.
  const Read cut = read(header + line_of(255));
  EXPECT_EQ(cut.count, 1);
  EXPECT_EQ(cut.squad[1].Fit, 7);
}

TEST(HeaderReaderTest, TwoSectionRostersTakeStatisticsByPosition) {
  const Read r = read(two_section(20, 20));
  ASSERT_EQ(r.count, 20);
  EXPECT_EQ(r.squad[1].Sections, 2);
  for (int i : {1, 20}) {
    const ExtendedPlayer& p = r.squad[i];
    EXPECT_EQ(p.Name, numbered("P", i));  // the statistics' own names are ignored
    EXPECT_EQ(p.St, i);
    EXPECT_EQ(p.Gam, 100 + i);
    EXPECT_EQ(p.Pos + p.Status, numbered("GKS", i));
    EXPECT_EQ(p.Ass, 10);
    EXPECT_EQ(p.Value + p.Wage, "1.5M10K");
    EXPECT_EQ(p.SAb, 43);
  }
  EXPECT_EQ(read(two_section(20, 12)).count, 12);

  // Single ability with money: 14 tokens a row. Without money only 12: every
  // player row is skipped and the statistics fill nameless, skill-less slots.
  EXPECT_EQ(read(two_section(3, 3, 3, false)).squad[3].Abl, 40);
  const Read bare = read(two_section(5, 5, 3, false, false));
  ASSERT_EQ(bare.count, 5);
  EXPECT_EQ(bare.squad[1].Sections, 2);
  EXPECT_EQ(bare.squad[5].Name, "");
  EXPECT_EQ(bare.squad[5].St, 0);
  EXPECT_EQ(bare.squad[5].Gam, 105);
}

TEST(HeaderReaderTest, FullTableStopsBeforeTheSeparator) {
  for (int players : {50, 55}) {
    const Read r = read(two_section(players, players));
    EXPECT_EQ(r.count, 50);
    EXPECT_EQ(r.squad[1].Sections, 1);
    EXPECT_EQ(r.squad[50].Name, "P50");
    EXPECT_EQ(r.squad[50].Gam, 0);  // statistics never read
  }
  EXPECT_EQ(read(two_section(5, 5), 3).count, 3);
}

TEST(HeaderReaderTest, MinusAtThe31stCharacterEndsThePlayerRows) {
  // Two-section rows have the first character of Ps there: -10 ends section 1
  // at the first row, -9 (" -9") does not.
  EXPECT_EQ(read(two_section(4, 4, -9)).squad[4].Name, "P4");
  const Read r = read(two_section(4, 4, -10));
  EXPECT_EQ(r.squad[1].Sections, 2);
  EXPECT_EQ(r.squad[1].Name, "");
  // P2 is taken for the statistics header and P3 for its underline; the other
  // ten lines, P4 included, are all statistics rows matching no column.
  EXPECT_EQ(r.count, 10);
  EXPECT_EQ(r.squad[1].Gam, 0);

  // Single-section rows have the middle character of Sh there.
  const Read sh = read(kLayout1 + layout_row("Ann", 1, 15) + layout_row("Bob", -5, 15) +
                       layout_row("Cy", 1, 15));
  EXPECT_EQ(sh.squad[1].Sections, 2);
  EXPECT_EQ(sh.count, 0);
  EXPECT_EQ(sh.squad[1].Name, "Ann");
  EXPECT_EQ(read(kLayout1 + layout_row("Bob", -10, 15)).count, 1);
}

TEST(HeaderReaderTest, EmptyRostersHoldNoPlayers) {
  EXPECT_EQ(read("").count, 0);
  EXPECT_EQ(read(kLayout1).count, 0);
}

}  // namespace
}  // namespace league
