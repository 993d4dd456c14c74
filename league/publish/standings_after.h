#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/io/diagnostic.h"
#include "league/publish/standings_data.h"
#include "league/season/replay.h"

namespace league {

// The standings as they stood after an earlier round, for
// `league publish --after N` and `league status --after N`.

// The recorded round of history/ that ends round `n`: without fixtures.txt
// round n itself; with it, the last recorded round after which the current
// round (season_schedule.h) was n. `recorded` are history/'s rounds,
// ascending, and `applied` their matches. A message when there is none: n
// outside the rounds played so far, or a round never current on its own.
struct RoundEnd {
  int entry = 0;
  std::string refused;  // empty when `entry` is the round's end
};
RoundEnd entry_ending_round(int n, const std::vector<int>& recorded,
                            const std::vector<AppliedMatch>& applied,
                            const std::optional<Fixtures>& fixtures);

// Winds `standings` (gathered for the present, matchdays included) back to the
// end of recorded round `entry`: the table and form replayed from `record`
// (without the `expunged` clubs) up to that round and the adjustments made
// after it; the chart's rounds, the adjustments, the withdrawals and the
// matches up to it; the matchdays of that time. Rosters keep only the
// present, so the top scorers are left out. The problem that stops the replay.
std::optional<Diagnostic> wind_back(Standings& standings, int entry, const SeasonRecord& record,
                                    const std::vector<std::string>& expunged,
                                    const std::vector<AppliedMatch>& applied);

// The same from the league folder's history/: `n` is round n as
// entry_ending_round reads it; a round out of range is a problem too, named
// as `command`'s ("league status --after").
std::optional<Diagnostic> wind_back_to_round(Standings& standings, int n,
                                             const std::string& command);

}  // namespace league
