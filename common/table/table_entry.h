#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace league {

// One team row of the league table, named by the columns of table.txt. The
// position (Pl) is not kept: it is the entry's place in the table.
struct TableEntry {
  std::string Team;
  std::int32_t P = 0;    // games played
  std::int32_t W = 0;    // won
  std::int32_t D = 0;    // drawn
  std::int32_t L = 0;    // lost
  std::int32_t GF = 0;   // goals for
  std::int32_t GA = 0;   // goals against
  std::int32_t GD = 0;   // goal difference
  std::int32_t Pts = 0;  // points
};

// The counters of an entry in the order they stand in a row of table.txt.
inline constexpr std::array<std::int32_t TableEntry::*, 8> kTableCounters{
    &TableEntry::P,  &TableEntry::W,  &TableEntry::D,  &TableEntry::L,
    &TableEntry::GF, &TableEntry::GA, &TableEntry::GD, &TableEntry::Pts};

}  // namespace league
