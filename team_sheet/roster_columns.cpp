#include "team_sheet/roster_columns.h"

#include <array>
#include <cstdint>

#include "common/text/integers.h"

namespace league {
namespace {

constexpr std::int32_t kNoAbility = -999;
constexpr std::int32_t kNoStatistic = -1;
constexpr std::string_view kNoText = "NONE";

// Where each column can stand: the player rows, the statistics rows or both.
struct Sections {
  bool players;
  bool statistics;
};
constexpr Sections kPlayersOnly{true, false};
constexpr Sections kEither{true, true};
constexpr Sections kStatisticsOnly{false, true};

struct IntColumn {
  std::string_view name;
  std::int32_t ExtendedPlayer::*field;
  Sections sections;
};

struct TextColumn {
  std::string_view name;
  std::string ExtendedPlayer::*field;
  Sections sections;
};

// The player rows know 32 names: every integer column and every text column but
// Pos. The statistics rows know 14: the twelve statistics, Status and Pos. Name
// and the skills are never taken from them; they are matched to players by position.
constexpr std::array<IntColumn, 27> kIntColumns{{
    {"Age", &ExtendedPlayer::Age, kPlayersOnly}, {"St", &ExtendedPlayer::St, kPlayersOnly},
    {"Tk", &ExtendedPlayer::Tk, kPlayersOnly},   {"Ps", &ExtendedPlayer::Ps, kPlayersOnly},
    {"Sh", &ExtendedPlayer::Sh, kPlayersOnly},   {"Ag", &ExtendedPlayer::Ag, kPlayersOnly},
    {"KAb", &ExtendedPlayer::KAb, kPlayersOnly}, {"TAb", &ExtendedPlayer::TAb, kPlayersOnly},
    {"PAb", &ExtendedPlayer::PAb, kPlayersOnly}, {"SAb", &ExtendedPlayer::SAb, kPlayersOnly},
    {"Abl", &ExtendedPlayer::Abl, kPlayersOnly}, {"DP", &ExtendedPlayer::DP, kPlayersOnly},
    {"Inj", &ExtendedPlayer::Inj, kPlayersOnly}, {"Sus", &ExtendedPlayer::Sus, kPlayersOnly},
    {"Fit", &ExtendedPlayer::Fit, kPlayersOnly}, {"Gam", &ExtendedPlayer::Gam, kEither},
    {"Sub", &ExtendedPlayer::Sub, kEither},      {"Min", &ExtendedPlayer::Min, kEither},
    {"Mom", &ExtendedPlayer::Mom, kEither},      {"Sav", &ExtendedPlayer::Sav, kEither},
    {"Con", &ExtendedPlayer::Con, kEither},      {"Cls", &ExtendedPlayer::Cls, kEither},
    {"Ktk", &ExtendedPlayer::Ktk, kEither},      {"Kps", &ExtendedPlayer::Kps, kEither},
    {"Sht", &ExtendedPlayer::Sht, kEither},      {"Gls", &ExtendedPlayer::Gls, kEither},
    {"Ass", &ExtendedPlayer::Ass, kEither},
}};

constexpr std::array<TextColumn, 6> kTextColumns{{
    {"Name", &ExtendedPlayer::Name, kPlayersOnly},
    {"Nat", &ExtendedPlayer::Nat, kPlayersOnly},
    {"Wage", &ExtendedPlayer::Wage, kPlayersOnly},
    {"Value", &ExtendedPlayer::Value, kPlayersOnly},
    {"Status", &ExtendedPlayer::Status, kEither},
    {"Pos", &ExtendedPlayer::Pos, kStatisticsOnly},
}};

bool belongs(Sections sections, RosterSection section) {
  return section == RosterSection::kPlayers ? sections.players : sections.statistics;
}

}  // namespace

void set_column_defaults(ExtendedPlayer& player) {
  player.KAb = player.TAb = player.PAb = player.SAb = player.Abl = kNoAbility;
  player.Sub = player.Min = player.Mom = player.Con = player.Cls = kNoStatistic;
  player.Fit = kNoStatistic;
  player.Wage = player.Value = player.Status = kNoText;
}

bool store_column(ExtendedPlayer& player, RosterSection section, std::string_view column,
                  std::string_view token) {
  for (const IntColumn& c : kIntColumns) {
    if (c.name == column && belongs(c.sections, section)) {
      player.*c.field = leading_int(token);
      return true;
    }
  }
  for (const TextColumn& c : kTextColumns) {
    if (c.name == column && belongs(c.sections, section)) {
      player.*c.field = token;
      return true;
    }
  }
  return false;
}

}  // namespace league
