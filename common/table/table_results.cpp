#include "common/table/table_results.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "common/text/integers.h"

namespace league {

namespace {

// The entry after one side with `goals` against `conceded`, or nothing when a
// counter would overflow. It works on a copy, so a refused result leaves the
// table as it was.
std::optional<TableEntry> with_side(TableEntry c, Outcome outcome, std::int32_t goals,
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

// Copies the counters only: the name stays in place, so an index of the names
// stays valid.
void store_counters(TableEntry& entry, const TableEntry& from) {
  for (const auto counter : kTableCounters) entry.*counter = from.*counter;
}

}  // namespace

bool apply_result(std::vector<TableEntry>& table, const MatchResult& result,
                  const MatchRows& rows) {
  const auto& [home, away] = result.sides;
  const auto home_after =
      with_side(table[rows[0]], match_outcome(result, 0), home.goals, away.goals);
  if (!home_after) return false;
  // A team named on both sides takes the away side on top of the home side.
  const auto away_after = with_side(rows[1] == rows[0] ? *home_after : table[rows[1]],
                                    match_outcome(result, 1), away.goals, home.goals);
  if (!away_after) return false;
  store_counters(table[rows[0]], *home_after);
  store_counters(table[rows[1]], *away_after);
  return true;
}

void order_league_table(std::vector<TableEntry>& table) {
  std::stable_sort(table.begin(), table.end(), [](const TableEntry& a, const TableEntry& b) {
    if (a.Pts != b.Pts) return a.Pts > b.Pts;
    if (a.GD != b.GD) return a.GD > b.GD;
    return a.GF > b.GF;
  });
}

}  // namespace league
