#include "table_update/table_results.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "common/results/team_index.h"
#include "common/text/integers.h"

namespace league {

namespace {

// The counters of one entry. A side is applied to a copy of them, so a refused
// result leaves the table as it was.
struct Counters {
  std::int32_t P, W, D, L, GF, GA, GD, Pts;
};

Counters counters_of(const TableEntry& entry) {
  return {entry.P, entry.W, entry.D, entry.L, entry.GF, entry.GA, entry.GD, entry.Pts};
}

void store(TableEntry& entry, const Counters& c) {
  entry.P = c.P;
  entry.W = c.W;
  entry.D = c.D;
  entry.L = c.L;
  entry.GF = c.GF;
  entry.GA = c.GA;
  entry.GD = c.GD;
  entry.Pts = c.Pts;
}

// The counters after one side with `goals` against `conceded`, or nothing when
// one of them would overflow.
std::optional<Counters> with_side(Counters c, Outcome outcome, std::int32_t goals,
                                  std::int32_t conceded) {
  std::int32_t& tally = outcome == Outcome::kWin ? c.W : outcome == Outcome::kDraw ? c.D : c.L;
  const auto played = checked_add(c.P, 1);
  const auto tallied = checked_add(tally, 1);
  const auto points = checked_add(c.Pts, points_for(outcome));
  const auto scored = checked_add(c.GF, goals);
  const auto against = checked_add(c.GA, conceded);
  if (!played || !tallied || !points || !scored || !against) return std::nullopt;
  const std::int64_t difference = std::int64_t{*scored} - *against;
  if (difference < std::numeric_limits<std::int32_t>::min() ||
      difference > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  c.P = *played;
  tally = *tallied;
  c.Pts = *points;
  c.GF = *scored;
  c.GA = *against;
  c.GD = static_cast<std::int32_t>(difference);
  return c;
}

}  // namespace

void apply_result(std::vector<TableEntry>& table, const MatchResult& result,
                  const MatchRows& rows) {
  const auto& [home, away] = result.sides;
  const auto home_counters =
      with_side(counters_of(table[rows[0]]), match_outcome(result, 0), home.goals, away.goals);
  if (!home_counters) refuse_result(home.team);
  // A team named on both sides takes the away side on top of the home side.
  const Counters away_before = rows[1] == rows[0] ? *home_counters : counters_of(table[rows[1]]);
  const auto away_counters =
      with_side(away_before, match_outcome(result, 1), away.goals, home.goals);
  if (!away_counters) refuse_result(home.team);
  store(table[rows[0]], *home_counters);
  store(table[rows[1]], *away_counters);
}

void apply_round(std::vector<TableEntry>& table, std::string_view results_text) {
  // The index views the names in the table, which applying leaves in place.
  TeamIndex teams(table.size());
  for (const TableEntry& entry : table) teams.add(entry.Team);
  apply_results(results_text, teams, [&](const MatchResult& result, const MatchRows& rows) {
    apply_result(table, result, rows);
  });
}

void order_league_table(std::vector<TableEntry>& table) {
  std::stable_sort(table.begin(), table.end(), [](const TableEntry& a, const TableEntry& b) {
    if (a.Pts != b.Pts) return a.Pts > b.Pts;
    if (a.GD != b.GD) return a.GD > b.GD;
    return a.GF > b.GF;
  });
}

}  // namespace league
