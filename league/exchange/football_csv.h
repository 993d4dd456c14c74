#pragma once

#include <string>
#include <string_view>

#include "league/exchange/season_data.h"

namespace league::exchange {

// A season in the football-data CSV shape: a header row, then one match a row.
// Columns are found by header name (case aside), in any order, others ignored:
//   Date (dd/mm/yy, dd/mm/yyyy, day and month may have one digit, or
//   yyyy-mm-dd; two-digit years from 70 are 19yy, below 70 20yy), Time
//   (HH:MM, may be empty), HomeTeam or Home, AwayTeam or Away, FTHG or HG and
//   FTAG or AG (both empty for a match not played), FTR or Res (H/D/A, checked
//   against the goals), HTHG and HTAG (half time, both empty for none), HTR,
//   and two columns this suite writes: Round (the round label) and Status
//   (postponed, awarded or abandoned; empty when the scores tell).
// Date, home, away and the full-time goal columns must be there. The file
// carries no season name: the season's name is left empty.
SeasonReading read_football_csv(std::string_view text, std::string_view file);

// The season in that shape, with CR LF line ends: Date (dd/mm/yyyy), Time,
// HomeTeam, AwayTeam, FTHG, FTAG, FTR, HTHG, HTAG, HTR, Round, Status.
std::string write_football_csv(const ExchangeSeason& season);

}  // namespace league::exchange
