#pragma once

#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"
#include "league/exchange/season_data.h"

namespace league::exchange {

// A round of results to apply, as one `league round` would.
struct ImportRound {
  std::vector<ExchangeMatch> matches;  // in date and time order
  CalendarDate first;                  // the dates of its first and last match
  CalendarDate last;
};

// Whether a match's result counts in the table: played or awarded.
bool counts(const ExchangeMatch& match);

// The counting matches of a season in the rounds that replay it week by week.
// The matches are taken in date order, then time (a match without a time
// before those with one), then file order, and each goes into the round being
// filled unless it must start the next one:
//   - one of its teams already plays in that round (a team plays once a round);
//   - it comes 7 days or more after the round's first match (a round is a week
//     at most);
//   - it comes 2 days or more after the round's last match (a clear day
//     without matches ends a round: a weekend's and a midweek's fixtures, or a
//     match caught up between them, are rounds of their own; a round played
//     on a Saturday and a Monday only is two);
//   - its round label differs from the round's (when the file labels rounds,
//     each round holds one label, so a match put off to a later week is a
//     round of its own at its real date, between the rounds around it).
// So every team's results are applied in the order they were played, a file's
// matchdays come back as they were played, and a file without labels (the CSV
// shape) is cut at the breaks between match weeks. Postponed, abandoned and
// unplayed matches are not in any round.
std::vector<ImportRound> group_import_rounds(const ExchangeSeason& season);

// Matches whose date its round contradicts, named by `file` and their line: in
// a file that numbers its rounds, a match of a later round dated before the
// first round begins. Such dates are mostly a wrong year (a season's last
// month put in the year it started), and replaying them first would give a
// wrong form and history, so an import should refuse them. In a file that
// numbers no rounds (the CSV shape), the matches dated before its first match
// when all the others are in date order: the file lists matches as they were
// played, and these sit where a later date belongs.
std::vector<Diagnostic> date_order_problems(const ExchangeSeason& season, std::string_view file);

// Mends the dates that date_order_problems finds when every one of them is a
// year early: the same day a year later falls within a year of the season's
// first match (and, in a file in date order, not before the match above it).
// A season's last months put in the year it started is a slip of files
// written by hand or converted, and the results are sound. Returns a note for
// each date mended, naming its line; none, and the season unchanged, when
// any of those dates is not a year out.
std::vector<Diagnostic> mend_wrong_years(ExchangeSeason& season, std::string_view file);

}  // namespace league::exchange
