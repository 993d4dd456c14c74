#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/roster/player.h"

namespace league {

// A roster player as the header-driven reader fills it: the shared player
// record plus the columns that only header-named and two-section rosters
// carry. Text fields are kept whole, whatever their length.
struct ExtendedPlayer : Player {
  std::int32_t Abl = 0;  // single ability, for rosters without KAb, TAb, PAb, SAb
  std::int32_t Cls = 0;  // optional season statistic
  std::string Wage;
  std::string Value;
  std::string Status;
  std::string Pos;  // position label of the statistics section, stored as text
  // How many sections the roster has (1 or 2); the reader keeps it in slot 1.
  std::int32_t Sections = 0;
};

// Players in slots 1 to capacity; slot 0 stays the empty player.
using SquadTable = std::vector<ExtendedPlayer>;

}  // namespace league
