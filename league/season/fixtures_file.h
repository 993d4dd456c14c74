#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"
#include "league/season/dates.h"

namespace league {

// One `HOME - AWAY` line of fixtures.txt, the teams in the stored form
// ("St_Mary's"); the file shows them as written ("St Mary's - Bridge Inn FC").
// A match may carry its own date (and kick-off), which overrides its
// round's: a rearranged match; or be marked postponed, without a new date
// yet; and a venue of its own:
//   HOME - AWAY [YYYY-MM-DD [HH:MM] | postponed] [@ VENUE]
struct FixtureMatch {
  std::string home;
  std::string away;
  std::size_t line = 0;  // 0 for a match not read from a file
  std::optional<Date> date{};
  std::optional<TimeOfDay> time{};  // only with a date
  bool postponed = false;           // never with a date
  std::string venue{};              // empty: the home team's ground
  // Written `HOME - AWAY (void)`: the match is off, as a club withdrew from the
  // league. It keeps its place, so that the file reads as it was drawn, but
  // is no fixture to play, postpone or show as next.
  bool is_void = false;
};

// The word after HOME - AWAY that marks a void match.
inline constexpr const char* kVoidMark = "(void)";

// A `Round N [YYYY-MM-DD [HH:MM]]` line and the matches below it. The teams
// of the table that have no match in it have a bye.
struct FixtureRound {
  int number = 0;
  std::optional<Date> date;
  std::optional<TimeOfDay> time;  // only with a date
  std::vector<FixtureMatch> matches;
  std::size_t line = 0;  // of the Round line; 0 when not read from a file
};

struct Fixtures {
  std::vector<FixtureRound> rounds;
};

struct FixturesReading {
  Fixtures fixtures;
  std::vector<Diagnostic> diagnostics;  // lines that do not read, in file order
};

// Reads fixtures.txt: lines whose first non-blank character is '#' and blank
// lines are skipped; every other line is a Round line (the word in any letter
// case) or a HOME - AWAY line (white space between the words, any amount):
// the words before the dash standing alone are the home team's name, those
// after it the away team's, in either form. A
// last word `(void)` marks a void match.
// A line that does not read gives a diagnostic and is otherwise left out,
// except a Round line whose date or time does not read: its round is kept
// without them. A Round line whose number does not read opens a round
// numbered one past the one before, so that its matches are still read (and
// checked) in their round.
FixturesReading read_fixtures(std::string_view text);

// What `league check` finds wrong in fixtures that read: a team not in
// `table_teams` (with the near match when there is one; a void match may
// name a club that has left the table), a team against
// itself, a team twice in a round, the same HOME - AWAY twice in the file, and
// rounds out of order (they run 1, 2, 3, ...). In file order.
std::vector<Diagnostic> check_fixtures(const Fixtures& fixtures,
                                       const std::vector<std::string>& table_teams);

// Every problem of fixtures.txt as read, in line order: the lines that do not
// read and, when `table_teams` are given, what check_fixtures finds against
// them (an unknown team, a team twice in a round or against itself, a pairing
// twice, rounds out of order).
std::vector<Diagnostic> fixtures_file_problems(const FixturesReading& reading,
                                               const std::vector<std::string>* table_teams);

// A match's line as fixtures.txt writes it: "Ashford - Fenwick 2027-02-24 19:45".
std::string match_line(const FixtureMatch& match);

// The text of fixtures.txt with its line `line` (a match's, from 1) in place
// of match_line(match), the line's end kept; every other byte stays as it was.
std::string with_match_line(std::string_view text, std::size_t line, const FixtureMatch& match);

// The text of fixtures.txt: `comment` first, every line of it as a '#' line
// (none when empty), then every round, a blank line before each. Reads back
// with read_fixtures to the same rounds and matches.
std::string format_fixtures(const Fixtures& fixtures, std::string_view comment = {});

}  // namespace league
