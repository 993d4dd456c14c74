#pragma once

#include <string>
#include <string_view>

#include "league/exchange/season_data.h"

namespace league::exchange {

// A season in the football.json shape:
//   {"name": "...", "matches": [{"round": "Matchday 1", "date": "2023-08-11",
//     "time": "20:00", "team1": "...", "team2": "...",
//     "score": {"ft": [0, 3], "ht": [0, 2]}, "status": "postponed"}, ...]}
// name, round, time, score, ht and status may be missing: a match without ft
// is not played, one without ht has no half-time score. A team may also be an
// object with a "name". Other keys are ignored. Each match's line is the line
// of its opening brace.
SeasonReading read_football_json(std::string_view text, std::string_view file);

// The season in that shape, two-space indented, keys in the order above;
// status only when the scores do not tell it.
std::string write_football_json(const ExchangeSeason& season);

}  // namespace league::exchange
