#include "league/names/team_lookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "league/names/test_clubs.h"

namespace league {
namespace {

// The written forms of the teams a name suggests.
std::vector<std::string> suggested(const TeamNames& teams, const std::string& typed) {
  const TeamMatch match = teams.find(typed);
  EXPECT_FALSE(match.team) << typed;
  std::vector<std::string> names;
  for (const std::size_t team : match.suggestions) names.push_back(teams.written(team));
  return names;
}

TEST(TeamLookupTest, ATeamIsFoundByItsNameInEitherForm) {
  const TeamNames teams(twenty_clubs());
  for (const char* typed : {"Bridge Inn FC", "Bridge_Inn_FC", "  Bridge   Inn_FC "})
    EXPECT_EQ(teams.find(typed).team, 1u) << typed;
  EXPECT_EQ(teams.find("Tower Hamlets 2").team, 15u);
  // Teams given in the stored form, as table.txt holds them.
  const TeamNames stored({"St_Mary's", "Atl\u00e9tico_Ryde"});
  EXPECT_EQ(stored.written(1), "Atl\u00e9tico Ryde");
  EXPECT_EQ(stored.stored(1), "Atl\u00e9tico_Ryde");
  EXPECT_EQ(stored.find("St Mary's").team, 0u);
  // Letter case and accents only suggest.
  EXPECT_EQ(stored.find_exact("st mary's"), std::nullopt);
  EXPECT_EQ(stored.find_exact("Atletico Ryde"), std::nullopt);
}

TEST(TeamLookupTest, NearMissesSuggestWhatPeopleMeant) {
  const TeamNames teams(twenty_clubs());
  using Names = std::vector<std::string>;
  // Case, accents and typographic apostrophes ignored.
  EXPECT_EQ(suggested(teams, "atletico RYDE"), Names{"Atl\u00e9tico Ryde"});
  EXPECT_EQ(suggested(teams, "Olands_Bollklubb"), Names{"\u00d6lands Bollklubb"});
  EXPECT_EQ(suggested(teams, "Queen\u2019s Park"), Names{"Queen's Park"});
  // Leading words, whole or begun.
  EXPECT_EQ(suggested(teams, "Wheatsheaf"), Names{"Wheatsheaf Wanderers"});
  EXPECT_EQ(suggested(teams, "Bridge_Inn"), Names{"Bridge Inn FC"});
  EXPECT_EQ(suggested(teams, "bridge in"), Names{"Bridge Inn FC"});
  EXPECT_EQ(suggested(teams, "Bridge"), (Names{"Bridge Inn FC", "Bridge Rovers"}));
  EXPECT_EQ(suggested(teams, "Bed"), (Names{"Bedford Town", "Bedfont & Feltham"}));
  // Words further in, when no name begins so.
  EXPECT_EQ(suggested(teams, "Bournemouth"), Names{"AFC Bournemouth"});
  EXPECT_EQ(suggested(teams, "Northwich"), Names{"1874 Northwich"});
  // Spelling: the closest names only.
  EXPECT_EQ(suggested(teams, "St Marys"), Names{"St Mary's"});
  EXPECT_EQ(suggested(teams, "Bedfrod Town"), Names{"Bedford Town"});
  EXPECT_EQ(suggested(teams, "Tower Hamlets 3"), Names{"Tower Hamlets 2"});
  EXPECT_EQ(suggested(teams, "Zebra"), Names{});
  EXPECT_EQ(suggested(teams, ""), Names{});
  EXPECT_EQ(suggested(teams, "F\xff"), Names{});
}

TEST(TeamLookupTest, TheProblemNamesEverySuggestion) {
  const TeamNames teams(twenty_clubs());
  EXPECT_EQ(not_a_team("Wheatsheaf", teams),
            "Wheatsheaf is not a team of table.txt; did you mean Wheatsheaf Wanderers?");
  EXPECT_EQ(not_a_team("Bridge", teams),
            "Bridge is not a team of table.txt; did you mean Bridge Inn FC or Bridge Rovers?");
  EXPECT_EQ(not_a_team("Zebra", teams, "form.txt"), "Zebra is not a team of form.txt");
  EXPECT_EQ(not_a_team("Town", teams, {10, 7, 16}),
            "Town is not a team of table.txt; did you mean Bedford Town, Kings Lynn Town or "
            "Crook Town?");
}

}  // namespace
}  // namespace league
