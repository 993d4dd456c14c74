#pragma once

#include <string>
#include <string_view>

#include "league/exchange/season_data.h"

namespace league::exchange {

// A season in the Football.TXT shape, line by line:
//   `= Title`              the season's name (the first such line); a year in
//                          it ("2019/20", "2024") dates lines without one
//   `Matchday 18`          a round label, which may come again later; a line
//                          starting with Matchday, Round, Week, Gameweek,
//                          Matchweek or Spieltag, or any other unindented line
//                          that is neither a date nor holds a score
//   `[Fri Aug/9]`,         a date line: weekday (optional), month, day, year
//   `Fri Aug 15 2025`      (optional). Without a year, the year is the one of
//                          the three around the previous date (or the
//                          heading's season) that gives the nearest day with
//                          that weekday.
//   `  20.00  Home  0-3 (0-2)  Away`   a match: time (optional; a match
//                          without one keeps the time of the match above it
//                          under the same date line), then home, score and
//                          away split by two or more blanks. The score is
//                          `H-A`, `H-A (H-A)` with half time, or `-` for a
//                          match not played. Newer files write
//                          `Home  v Away  0-3 (0-2)`, the score last, none
//                          for a match not played; that is read too.
//   `[postponed]`, `[awarded]`, `[abandoned]` on a match line set its status.
//   `#` at the start of a line or after a blank starts a comment.
SeasonReading read_football_txt(std::string_view text, std::string_view file);

// The season in that shape: the heading, a round line whenever the round label
// changes, a date line (with its year) whenever the date changes, one match a
// line with its time, names aligned. Names must not hold two blanks in a row
// nor "#", and round labels must be written as the reader knows them, for the
// text to read back the same.
std::string write_football_txt(const ExchangeSeason& season);

}  // namespace league::exchange
