#pragma once

#include <string_view>
#include <vector>

#include "common/results/match_result.h"
#include "common/results/team_index.h"
#include "common/table/table_entry.h"

namespace league {

// Applies one result to the rows found for its two sides, home side first: games
// played, won, drawn or lost, points, goals for and against, and the goal
// difference recomputed from the two goal totals. When a counter of either side
// would leave the 32-bit range, the result is refused: false, and neither side
// is changed. Team names are left untouched, so an index of them stays valid.
[[nodiscard]] bool apply_result(std::vector<TableEntry>& table, const MatchResult& result,
                                const MatchRows& rows);

// Orders the table by points, then goal difference, then goals for, all
// descending; entries equal in all three keep their order.
void order_league_table(std::vector<TableEntry>& table);

}  // namespace league
