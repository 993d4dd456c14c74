#include "player_list/sort_criteria.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <sstream>

#include "common/console/tool_error.h"

namespace league {
namespace {

struct MenuRun {
  int criterion = 0;  // 0 when the answer was refused
  std::string left_unread;
};

MenuRun run_menu(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  MenuRun run;
  try {
    run.criterion = choose_sort_criterion(in, out);
  } catch (const ToolError& error) {
    EXPECT_STREQ(error.what(), "\nInput error !!\n");
    EXPECT_FALSE(error.waits_for_key());
  }
  in.clear();
  std::getline(in, run.left_unread, '\0');
  return run;
}

TEST(CriterionMenu, AcceptsOneToTwentyEightReadLikeADecimalScan) {
  EXPECT_EQ(run_menu("1\n").criterion, 1);
  EXPECT_EQ(run_menu("28\n").criterion, 28);
  const MenuRun signed_with_rest = run_menu(" \t\r\n +7abc\nmore");
  EXPECT_EQ(signed_with_rest.criterion, 7);
  EXPECT_EQ(signed_with_rest.left_unread, "abc\nmore");
  EXPECT_EQ(run_menu("007").criterion, 7);
}

TEST(CriterionMenu, RefusesAnythingElseAndConsumesOneCharacter) {
  for (const char* answer : {"0\n", "29\n", "-3\n", "-0\n", "99999999999999999999\n"}) {
    SCOPED_TRACE(answer);
    const MenuRun run = run_menu(answer);
    EXPECT_EQ(run.criterion, 0);
    EXPECT_EQ(run.left_unread, "");
  }
  EXPECT_EQ(run_menu("29\nnext").left_unread, "next");
  EXPECT_EQ(run_menu("abc\n").criterion, 0);
  EXPECT_EQ(run_menu("abc\n").left_unread, "bc\n");
  EXPECT_EQ(run_menu("- 5\n").criterion, 0);
  EXPECT_EQ(run_menu("").criterion, 0);
  EXPECT_EQ(run_menu("  \n").criterion, 0);
}

Player named(const std::string& name, const std::string& team = "T") {
  Player player;
  player.Name = name;
  player.Team = team;
  return player;
}

TEST(ComesBefore, TextAscendsByUnsignedBytesWithPrefixesFirst) {
  const SortCriterion& by_name = sort_criterion(2);
  EXPECT_TRUE(player_comes_before(named("Zed"), named("adam"), by_name));
  EXPECT_TRUE(player_comes_before(named("Ann"), named("Anna"), by_name));
  EXPECT_FALSE(player_comes_before(named("Anna"), named("Ann"), by_name));
  EXPECT_TRUE(player_comes_before(named("zz"), named("\xC3\xA9mile"), by_name));
  EXPECT_FALSE(player_comes_before(named("Ann"), named("Ann"), by_name));

  const SortCriterion& by_team = sort_criterion(1);
  EXPECT_TRUE(player_comes_before(named("x", ""), named("a", "Ash"), by_team));
  Player a = named("x"), b = named("x");
  a.Nat = "ENG";
  b.Nat = "ENGL";
  EXPECT_TRUE(player_comes_before(a, b, sort_criterion(4)));
}

TEST(ComesBefore, IntegersDescendSignedAndEachCriterionUsesItsField) {
  Player high, low;
  high.Sav = 5;
  low.Sav = -1;
  low.Con = 9;
  EXPECT_TRUE(player_comes_before(high, low, sort_criterion(15)));
  EXPECT_FALSE(player_comes_before(low, high, sort_criterion(15)));
  EXPECT_TRUE(player_comes_before(low, high, sort_criterion(26)));
  EXPECT_FALSE(player_comes_before(high, high, sort_criterion(15)));

  // Every integer criterion reads a different field: set one field at a time
  // and only its criterion may see a difference.
  for (int number = 1; number <= kCriterionCount; ++number) {
    const SortCriterion& criterion = sort_criterion(number);
    if (criterion.number == nullptr) continue;
    Player marked;
    marked.*criterion.number = 1;
    for (int other = 1; other <= kCriterionCount; ++other) {
      const SortCriterion& probe = sort_criterion(other);
      if (probe.number != nullptr) {
        EXPECT_EQ(player_comes_before(marked, Player{}, probe), other == number)
            << number << " " << other;
      }
    }
  }
  EXPECT_EQ(sort_criterion(10).number, &Player::KAb);
  EXPECT_EQ(sort_criterion(24).number, &Player::Min);
  EXPECT_EQ(sort_criterion(28).number, &Player::Sub);
}

TEST(SortPlayers, EqualPlayersKeepTheirReadingOrderAcrossTeams) {
  std::vector<Player> players;
  const struct {
    const char* name;
    const char* team;
    int goals;
  } rows[] = {{"a1", "Elm", 2}, {"a2", "Elm", 5},  {"b1", "Ash", 2},
              {"b2", "Ash", 5}, {"c1", "Elm", -4}, {"c2", "Ash", 0}};
  for (const auto& row : rows) {
    players.push_back(named(row.name, row.team));
    players.back().Gls = row.goals;
  }
  const auto names_in_order = [&](int criterion) {
    std::string names;
    for (const std::size_t i : sorted_positions(players, sort_criterion(criterion)))
      names += players[i].Name + " ";
    return names;
  };
  EXPECT_EQ(names_in_order(19), "a2 b2 a1 b1 c2 c1 ");
  EXPECT_EQ(names_in_order(1), "b1 b2 c2 a1 a2 c1 ");
  EXPECT_TRUE(sorted_positions({}, sort_criterion(2)).empty());
}

}  // namespace
}  // namespace league
