#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/io/diagnostic.h"
#include "common/roster/player.h"
#include "common/table/table_entry.h"
#include "league/season/grounds.h"
#include "league/season/season_schedule.h"
#include "league/store/adjustments.h"
#include "league/store/withdrawals.h"

namespace league {

// What `league publish` shows, gathered from the files of a league folder.

// One row of the league table with the team's form.
struct StandingsRow {
  TableEntry entry;
  std::string form;  // W, D and L, oldest first; empty when form.txt lacks the team
};

// The table order that one recorded round left.
struct RoundOrder {
  int round = 0;
  std::string applied;             // when it was applied ("2026-12-07 18:20")
  std::vector<std::string> teams;  // position 1 first
};

// A player among the league's top scorers; `team` is the table's team of the
// player's roster, or the roster's code (ASH) when the codes do not all name a
// table team (see table_teams_of_codes).
struct Scorer {
  std::string name;
  std::string team;
  int goals = 0;
  int assists = 0;
};

struct Standings {
  int round = 0;                    // the last recorded round, 0 before the first
  std::string date;                 // when that round was applied; empty before the first
  std::vector<StandingsRow> table;  // table.txt's order
  std::vector<RoundOrder> rounds;   // every recorded round, ascending
  // From the rosters in teams.dir; nothing when the league has no teams.dir.
  std::optional<std::vector<Scorer>> scorers;
  std::string league;                   // the league's name; empty when it has none
  std::vector<Adjustment> adjustments;  // every recorded points adjustment, oldest first
  std::vector<Withdrawal> withdrawals;  // every club withdrawn, oldest first
  std::vector<AppliedMatch> applied;    // every recorded round's matches, round by round
  // The last round's results; with fixtures.txt, the postponed and the next.
  Matchdays matchdays;
  Grounds grounds;  // where each team plays at home; empty when none is kept
};

// How many top scorers the standings list.
inline constexpr std::size_t kTopScorers = 10;

// Reads table.txt, form.txt (when present), the tables of every round in
// history/ with their results, the league's name and points adjustments and,
// when teams.dir is present, every roster it names, from the current
// directory; the matchdays are left for the caller. The first file that is
// missing (table.txt, a round's table or results, a named roster) or damaged
// (an adjustment's too) is the problem, and the standings are then incomplete.
struct StandingsRead {
  Standings standings;
  std::optional<Diagnostic> problem;
};
StandingsRead gather_standings();

// The table team that each roster code names, in the order of `codes`: the
// team whose name is the code, or else the one team whose name begins with it,
// both compared on letters and digits only, case ignored ("STM" names
// St_Mirren). Empty unless every code names a team and no two codes name the
// same one, so that the codes are shown as they are rather than half mapped.
std::vector<std::string> table_teams_of_codes(const std::vector<std::string>& codes,
                                              const std::vector<StandingsRow>& table);

// The players who scored, most goals first, then most assists, then by name;
// at most `count` of them.
std::vector<Scorer> top_scorers(const std::vector<Player>& players, std::size_t count);

}  // namespace league
