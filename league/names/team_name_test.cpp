#include "league/names/team_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace league {
namespace {

TEST(TeamNameTest, WrittenAndStoredFormsConvertBothWays) {
  EXPECT_EQ(stored_form("  St   Mary's\t\r\n"), "St_Mary's");
  EXPECT_EQ(stored_form("St_Mary's"), "St_Mary's");
  EXPECT_EQ(stored_form("Brighton & Hove Albion FC"), "Brighton_&_Hove_Albion_FC");
  EXPECT_EQ(written_form("Atl\u00e9tico_Ryde"), "Atl\u00e9tico Ryde");
  EXPECT_EQ(normal_written_form(" Bridge_Inn  FC "), "Bridge Inn FC");
}

TEST(TeamNameTest, RealClubNamesAreAccepted) {
  const std::vector<std::string> clubs{"St Mary's",          "Brighton & Hove Albion FC",
                                       "Atl\u00e9tico Ryde", "1874 Northwich",
                                       "AFC Bournemouth",    "Kings_Lynn_Town",
                                       "Queen's Park",       "\u00d6lands Bollklubb"};
  for (const std::string& club : clubs) EXPECT_EQ(check_written_name(club), std::nullopt) << club;
  EXPECT_TRUE(check_team_names(clubs).empty());
}

TEST(TeamNameTest, NamesThatCannotBeStoredAreRefusedWithTheReason) {
  const struct {
    std::string name;
    std::string reason;
  } cases[] = {
      {" \t", "a team needs a name"},
      {"F\xff", "the name holds bytes that are not UTF-8 text"},
      {"F\xc3", "the name holds bytes that are not UTF-8 text"},
      {"St\x01Mary's", "the name holds a control character (U+0001)"},
      {"St\u00a0Mary's",
       "\"St\u00a0Mary's\" holds a space other than the plain blank (U+00A0); "
       "write a plain blank"},
      {"Bridge Inn_FC",
       "\"Bridge Inn_FC\" holds both blanks and _, which the tools' files write "
       "for a blank (write Bridge Inn FC)"},
      {"_Rovers",
       "\"_Rovers\" has _ at an end or two in a row: in the tools' files _ stands for "
       "one blank between words"},
      {"Marsh__Lane",
       "\"Marsh__Lane\" has _ at an end or two in a row: in the tools' files _ "
       "stands for one blank between words"},
      {"Stoke - Trent",
       "\"Stoke - Trent\" has - as a word of its own, which fixtures and "
       "results read between two teams"},
      {"#1 Club", "\"#1 Club\" starts with #, which fixtures.txt reads as a comment"},
      {"@Home", "\"@Home\" starts with @, which fixtures.txt reads as a venue after a team"},
      {"No", "a team cannot be named No: table_update drops that name's row from attendances.dat"},
      {"Wolverhampton Wanderers Reserve",
       "\"Wolverhampton Wanderers Reserve\" is too long for the "
       "tools' files: 31 bytes as "
       "Wolverhampton_Wanderers_Reserve, and they hold 30 (an "
       "accented letter takes two)"},
  };
  for (const auto& c : cases) EXPECT_EQ(check_written_name(c.name), c.reason) << c.name;
}

TEST(TeamNameTest, TheLengthLimitCountsBytesOfTheStoredForm) {
  EXPECT_EQ(check_written_name(std::string(30, 'a')), std::nullopt);
  EXPECT_EQ(check_written_name("  " + std::string(15, 'a') + "   " + std::string(14, 'a') + " "),
            std::nullopt);
  // 29 letters and one accented letter: 31 bytes.
  EXPECT_NE(check_written_name(std::string(29, 'a') + "\u00e9"), std::nullopt);
}

TEST(TeamNameTest, ASetRefusesNamesThatAreOneInTheToolsFiles) {
  const std::vector<std::string> names{"St Mary's",     "Bridge Inn FC",      "St_Mary's",
                                       "Bridge Inn FC", "Atl\u00e9tico Ryde", "Atletico Ryde",
                                       "F\xff",         "  St  Mary's "};
  const std::vector<NameProblem> problems = check_team_names(names);
  ASSERT_EQ(problems.size(), 4u);
  EXPECT_EQ(problems[0].index, 2u);
  EXPECT_EQ(problems[0].what,
            "St Mary's and St_Mary's are one name: both are St_Mary's in the tools' files");
  EXPECT_EQ(problems[1].index, 3u);
  EXPECT_EQ(problems[1].what, "Bridge Inn FC is given twice");
  // The tools tell names apart by their bytes: accents make another name.
  EXPECT_EQ(problems[2].index, 6u);
  EXPECT_EQ(problems[3].index, 7u);
  EXPECT_EQ(problems[3].what, "St Mary's is given twice");
}

}  // namespace
}  // namespace league
