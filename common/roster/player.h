#pragma once

#include <cstdint>
#include <string>

namespace league {

// One player of a roster. The text fields are kept whole, whatever their
// length; the integers are signed 32-bit. The order is the record's own: the
// roster files put Age before Nat and Sav before Con.
struct Player {
  std::string Name;
  std::string Team;  // not a roster column: player_list sets it from the file name
  std::string Nat;
  std::int32_t Age = 0;
  std::int32_t St = 0;
  std::int32_t Tk = 0;
  std::int32_t Ps = 0;
  std::int32_t Sh = 0;
  std::int32_t Ag = 0;
  std::int32_t KAb = 0;
  std::int32_t TAb = 0;
  std::int32_t PAb = 0;
  std::int32_t SAb = 0;
  std::int32_t Gam = 0;
  std::int32_t Sub = 0;
  std::int32_t Min = 0;
  std::int32_t Mom = 0;
  std::int32_t Con = 0;
  std::int32_t Sav = 0;
  std::int32_t Ktk = 0;
  std::int32_t Kps = 0;
  std::int32_t Sht = 0;
  std::int32_t Gls = 0;
  std::int32_t Ass = 0;
  std::int32_t DP = 0;
  std::int32_t Inj = 0;
  std::int32_t Sus = 0;
  std::int32_t Fit = 0;
};

}  // namespace league
