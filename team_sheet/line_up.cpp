#include "team_sheet/line_up.h"

#include <algorithm>

namespace league {
namespace {

constexpr std::int32_t kFullFitness = 100;

std::int32_t& skill_of(ExtendedPlayer& player, Skill skill) {
  switch (skill) {
    case Skill::kSt:
      return player.St;
    case Skill::kTk:
      return player.Tk;
    case Skill::kPs:
      return player.Ps;
    case Skill::kSh:
      break;
  }
  return player.Sh;
}

}  // namespace

TeamSheet choose_line_up(SquadTable& squad, int count, std::int32_t fitness_switch,
                         std::int32_t minimum_fitness) {
  const int last = squad.empty() ? 0 : std::min(count, static_cast<int>(squad.size()) - 1);
  const bool fitness_in_use = fitness_switch != 0;
  if (!fitness_in_use) {
    for (int i = 1; i <= last; ++i) squad[i].Fit = kFullFitness;
  }

  TeamSheet sheet;
  for (std::size_t slot = 0; slot < kSheetSlots; ++slot) {
    const Skill skill = kSheetPositions[slot].skill;
    // A value must beat 0 to count, so a cleared (already chosen) player or one
    // without the skill never fills the slot.
    std::int32_t best = 0;
    ExtendedPlayer* chosen = nullptr;
    for (int i = 1; i <= last; ++i) {
      ExtendedPlayer& player = squad[i];
      const bool available =
          player.Inj == 0 && player.Sus == 0 && (!fitness_in_use || player.Fit >= minimum_fitness);
      if (available && skill_of(player, skill) > best) {
        best = skill_of(player, skill);
        chosen = &player;
      }
    }
    if (chosen == nullptr) continue;
    sheet.names[slot] = chosen->Name;
    chosen->St = chosen->Tk = chosen->Ps = chosen->Sh = 0;
  }
  return sheet;
}

}  // namespace league
