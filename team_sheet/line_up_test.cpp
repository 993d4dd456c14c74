#include "team_sheet/line_up.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace league {
namespace {

// "P7" and the like. (Built by append: GCC 12 warns falsely on "P" + to_string.)
std::string labelled(char prefix, std::size_t number) {
  std::string text(1, prefix);
  return text.append(std::to_string(number));
}

struct Spec {
  std::string name;
  int st, tk, ps, sh;
  int inj = 0;
  int sus = 0;
  int fit = 100;
};

SquadTable squad_of(const std::vector<Spec>& specs) {
  SquadTable squad(specs.size() + 1);
  for (std::size_t i = 0; i < specs.size(); ++i) {
    ExtendedPlayer& p = squad[i + 1];
    const Spec& s = specs[i];
    p.Name = s.name;
    p.St = s.st;
    p.Tk = s.tk;
    p.Ps = s.ps;
    p.Sh = s.sh;
    p.Inj = s.inj;
    p.Sus = s.sus;
    p.Fit = s.fit;
  }
  return squad;
}

TeamSheet choose(const std::vector<Spec>& specs, int fitness = 0, int minimum = 60) {
  SquadTable squad = squad_of(specs);
  return choose_line_up(squad, static_cast<int>(specs.size()), fitness, minimum);
}

std::vector<Spec> numbered_squad(int n) {
  std::vector<Spec> specs;
  for (int i = 1; i <= n; ++i) specs.push_back({labelled('P', i), i, 2 * i, 3 * i, 4 * i});
  return specs;
}

TEST(LineUpTest, FullSquadFillsEverySlotOnceInSlotOrder) {
  const TeamSheet sheet = choose(numbered_squad(18));
  std::set<std::string> names(sheet.names.begin(), sheet.names.end());
  EXPECT_EQ(names.size(), kSheetSlots);
  EXPECT_EQ(names.count(""), 0u);
  // Every slot takes the best still available; all four skills rise together,
  // so the players are taken from the strongest down.
  for (std::size_t slot = 0; slot < kSheetSlots; ++slot)
    EXPECT_EQ(sheet.names[slot], labelled('P', 18 - slot)) << slot;
  EXPECT_EQ(sheet.penalty_taker(), "P9");
}

TEST(LineUpTest, FewerQualifyingPlayersLeaveTheLastSlotsEmpty) {
  const TeamSheet sheet = choose(numbered_squad(5));
  for (std::size_t slot = 0; slot < kSheetSlots; ++slot)
    EXPECT_EQ(sheet.names[slot].empty(), slot >= 5) << slot;
  EXPECT_EQ(sheet.penalty_taker(), "");
}

TEST(LineUpTest, OnlyExactlyZeroInjuryAndSuspensionQualify) {
  const TeamSheet sheet = choose({{"Hurt", 9, 9, 9, 9, 3},
                                  {"Healing", 9, 9, 9, 9, -1},
                                  {"Banned", 9, 9, 9, 9, 0, 2},
                                  {"Odd", 9, 9, 9, 9, 0, -2},
                                  {"Ok", 1, 1, 1, 1}});
  EXPECT_EQ(sheet.names[0], "Ok");
  for (std::size_t slot = 1; slot < kSheetSlots; ++slot) EXPECT_EQ(sheet.names[slot], "") << slot;
}

TEST(LineUpTest, ZeroOrNegativeSkillNeverFillsASlot) {
  const TeamSheet sheet = choose({{"NoKeeper", 0, 5, 0, -3}, {"Negative", -4, 0, 0, 0}});
  EXPECT_EQ(sheet.names[0], "");
  EXPECT_EQ(sheet.names[1], "NoKeeper");
  EXPECT_EQ(sheet.names[11], "");
  EXPECT_EQ(sheet.penalty_taker(), "");
}

TEST(LineUpTest, TiesGoToTheEarlierPlayer) {
  const TeamSheet sheet = choose({{"First", 7, 1, 1, 1}, {"Second", 7, 1, 1, 1}});
  EXPECT_EQ(sheet.names[0], "First");
  EXPECT_EQ(sheet.names[1], "Second");  // the best Tk left; slot 12 finds nobody
  EXPECT_EQ(sheet.names[11], "");

  const TeamSheet keepers = choose({{"A", 7, 0, 0, 0}, {"B", 7, 0, 0, 0}});
  EXPECT_EQ(keepers.names[0], "A");
  EXPECT_EQ(keepers.names[11], "B");
}

TEST(LineUpTest, GoalkeeperWithTheBestShootingIsNotThePenaltyTaker) {
  std::vector<Spec> specs = numbered_squad(10);
  specs.push_back({"Keeper", 99, 1, 1, 99});
  const TeamSheet sheet = choose(specs);
  EXPECT_EQ(sheet.names[0], "Keeper");
  // After the keeper, four defenders and four midfielders (P10 down to P3), the
  // best Sh left is P2.
  EXPECT_EQ(sheet.penalty_taker(), "P2");
}

TEST(LineUpTest, FitnessTestAppliesOnlyWithTheSwitchOn) {
  const std::vector<Spec> specs = {{"Tired", 9, 0, 0, 0, 0, 0, 59},
                                   {"Fresh", 5, 0, 0, 0, 0, 0, 60}};
  EXPECT_EQ(choose(specs, 1).names[0], "Fresh");  // equal to the minimum qualifies
  EXPECT_EQ(choose(specs, 1).names[11], "");
  EXPECT_EQ(choose(specs, -2, 59).names[0], "Tired");
  EXPECT_EQ(choose(specs, 0).names[0], "Tired");  // switch off: Fit plays no part
  EXPECT_EQ(choose(specs, 0, 1000).names[11], "Fresh");

  // A roster without a Fit column leaves the marker -1.
  const std::vector<Spec> unmarked = {{"A", 9, 9, 9, 9, 0, 0, -1}};
  EXPECT_EQ(choose(unmarked, 1).names[0], "");
  EXPECT_EQ(choose(unmarked, 1, -1).names[0], "A");
}

TEST(LineUpTest, ChoiceMarksTheSquadInMemory) {
  SquadTable squad = squad_of({{"A", 5, 6, 7, 8, 0, 0, 30}, {"Out", 5, 6, 7, 8, 1, 0, 40}});
  squad.push_back(squad[1]);  // beyond the count: never considered nor changed
  choose_line_up(squad, 2, 0, 60);
  EXPECT_EQ(squad[1].St + squad[1].Tk + squad[1].Ps + squad[1].Sh, 0);
  EXPECT_EQ(squad[1].Fit, 100);
  EXPECT_EQ(squad[2].Sh, 8);
  EXPECT_EQ(squad[2].Fit, 100);
  EXPECT_EQ(squad[3].St, 5);
  EXPECT_EQ(squad[3].Fit, 30);
  EXPECT_EQ(squad[0].Name, "");
}

}  // namespace
}  // namespace league
