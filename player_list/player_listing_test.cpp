#include "player_list/player_listing.h"

#include <gtest/gtest.h>

namespace league {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

TEST(PlayerListing, NoRosterReadGivesAnEmptyListing) {
  EXPECT_EQ(format_player_list({}, 0), "");
  EXPECT_EQ(format_player_list({Player{}}, 0), "");
}

TEST(PlayerListing, RowsFollowTheLayoutWithTheTeamInFront) {
  Player player;
  player.Team = "Ash";
  player.Name = "Kim";
  player.Nat = "KOR";
  player.Age = 31;
  player.Min = 1234;
  player.Mom = 2;
  player.Sav = 3;
  player.Fit = -5;
  const auto lines = lines_of(format_player_list({player}, 8));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            "Team Name         Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam  Min Mom Sav Ktk Kps Sht "
            "Gls Ass  DP Inj Sus Fit");
  EXPECT_EQ(lines[1], std::string(109, '-'));
  EXPECT_EQ(lines[2],
            "Ash  Kim           31 KOR  0  0  0  0  0   0   0   0   0   0 1234   2   3   0   0   0 "
            "  0   0   0   0   0  -5");

  // Rosters read but no players: header and dash line only.
  EXPECT_EQ(lines_of(format_player_list({}, 6)).size(), 2u);
}

TEST(PlayerListing, LongValuesWidenOnlyTheirOwnRow) {
  Player wide, plain;
  wide.Team = "Wanderers";
  wide.Name = "Abcdefghijklmnopqrstuvwxyz0123";
  wide.Nat = "SCOTL";
  wide.Age = 24;
  wide.Sus = 123456;
  plain.Team = "Ash";
  plain.Name = "Bo";
  plain.Nat = "ENG";
  const auto lines = lines_of(format_player_list({wide, plain}, 1));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2].substr(0, 46), "WanderersAbcdefghijklmnopqrstuvwxyz0123 24SCOT");
  EXPECT_EQ(lines[2].substr(lines[2].size() - 10), "   0123456");  // touches Inj
  EXPECT_EQ(lines[3].size(), lines[0].size());
}

}  // namespace
}  // namespace league
