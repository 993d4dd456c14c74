#include "team_sheet/line_up.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace league {
namespace {

// "P7" and the like, built by append (GCC 12 warns falsely on "P" + to_string).
std::string numbered(const char* prefix, int number) {
  return std::string(prefix).append(std::to_string(number));
}

// Players P1 to Pn whose four skills all rise with their number, all available.
SquadTable rising_squad(int n) {
  SquadTable squad(n + 1);
  for (int i = 1; i <= n; ++i) {
    ExtendedPlayer& p = squad[i];
    p.Name = numbered("P", i);
    p.St = i;
    p.Tk = 2 * i;
    p.Ps = 3 * i;
    p.Sh = 4 * i;
    p.Fit = 60;
  }
  return squad;
}

TEST(LineUpTest, SlotsTakeTheBestLeftInSlotOrder) {
  SquadTable squad = rising_squad(18);
  squad[18].Inj = -1;  // only exactly 0 qualifies
  squad[17].Sus = 2;
  const TeamSheet sheet = choose_line_up(squad, 18, 0, 60);
  // From the strongest available down, each player once.
  for (std::size_t slot = 0; slot < kSheetSlots; ++slot)
    EXPECT_EQ(sheet.names[slot], numbered("P", 16 - slot)) << slot;
  EXPECT_EQ(sheet.penalty_taker(), "P7");

  const TeamSheet few = choose_line_up(squad, 18, 0, 60);  // all chosen are cleared now
  EXPECT_EQ(std::set<std::string>(few.names.begin(), few.names.end()), std::set<std::string>{""});
}

TEST(LineUpTest, FitnessCountsOnlyWithTheSwitchOn) {
  SquadTable squad = rising_squad(3);
  squad[3].Fit = 59;
  squad[2].Fit = 60;
  EXPECT_EQ(choose_line_up(squad, 3, 1, 60).names[0], "P2");  // the minimum itself qualifies

  squad = rising_squad(3);
  squad[3].Fit = -1;
  EXPECT_EQ(choose_line_up(squad, 3, -7, -1).names[0], "P3");

  // Switch off: Fit plays no part and becomes 100 for the counted players only.
  squad = rising_squad(3);
  squad[3].Fit = 5;
  EXPECT_EQ(choose_line_up(squad, 2, 0, 99).names[0], "P2");
  EXPECT_EQ(squad[1].Fit, 100);
  EXPECT_EQ(squad[3].Fit, 5);
  EXPECT_EQ(squad[3].Sh, 12);  // beyond the count: never chosen
}

TEST(LineUpTest, SkillMustBePositiveAndTiesGoToTheEarlierPlayer) {
  SquadTable squad = rising_squad(2);
  squad[1].St = squad[2].St = 7;
  squad[1].Sh = 0;
  squad[2].Sh = -3;
  const TeamSheet sheet = choose_line_up(squad, 2, 0, 60);
  EXPECT_EQ(sheet.names[0], "P1");
  EXPECT_EQ(sheet.names[1], "P2");
  EXPECT_EQ(sheet.penalty_taker(), "");
}

}  // namespace
}  // namespace league
