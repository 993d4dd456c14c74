#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "team_sheet/extended_player.h"

namespace league {

// The skill a sheet slot is chosen by.
enum class Skill { kSt, kTk, kPs, kSh };

struct SheetPosition {
  std::string_view label;
  Skill skill;
};

// The sixteen sheet slots in the order they are filled and written: eleven
// starters (goalkeeper, four defenders, four midfielders, two forwards), then
// five substitutes (goalkeeper, two defenders, midfielder, forward).
inline constexpr std::size_t kSheetSlots = 16;
inline constexpr std::size_t kStarters = 11;
inline constexpr std::array<SheetPosition, kSheetSlots> kSheetPositions{{
    {"GK", Skill::kSt},
    {"DF", Skill::kTk},
    {"DF", Skill::kTk},
    {"DF", Skill::kTk},
    {"DF", Skill::kTk},
    {"MF", Skill::kPs},
    {"MF", Skill::kPs},
    {"MF", Skill::kPs},
    {"MF", Skill::kPs},
    {"FW", Skill::kSh},
    {"FW", Skill::kSh},
    {"GK", Skill::kSt},
    {"DF", Skill::kTk},
    {"DF", Skill::kTk},
    {"MF", Skill::kPs},
    {"FW", Skill::kSh},
}};

// The chosen names, slot 1 first; an empty name is a slot nobody could fill.
struct TeamSheet {
  std::array<std::string, kSheetSlots> names;

  // The first forward chosen (slot 10) takes the penalties.
  const std::string& penalty_taker() const { return names[9]; }
};

// Chooses the default line-up from players 1 to `count` of the squad. Each
// slot in turn takes the player with the strictly highest positive value of its
// skill, the earlier player winning a tie, among those with Inj and Sus exactly
// 0 and, when the fitness switch is on (not 0), Fit at least `minimum_fitness`.
// Changes the squad in memory as the choice goes: with the switch off every
// Fit becomes 100; a chosen player's four skills are cleared, so nobody is
// chosen twice.
TeamSheet choose_line_up(SquadTable& squad, int count, std::int32_t fitness_switch,
                         std::int32_t minimum_fitness);

}  // namespace league
