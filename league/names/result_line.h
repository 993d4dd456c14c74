#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "league/names/team_lookup.h"

namespace league {

// One result: the teams by their index in the league's TeamNames, home first.
struct ResultLine {
  std::size_t home = 0;
  std::size_t away = 0;
  std::int32_t home_goals = 0;
  std::int32_t away_goals = 0;
  friend bool operator==(const ResultLine&, const ResultLine&) = default;
};

// The result in the tools' own form, as table_update and form_update read it
// from results.txt: "Home_Stored 3 - 1 Away_Stored" (no line end).
std::string tools_form(const ResultLine& result, const TeamNames& teams);

// A results line as read: the result, or every problem found on the line.
struct ResultLineReading {
  std::optional<ResultLine> result;   // set exactly when there are no problems
  std::string tools_form;             // the result's tools_form when there is one
  std::vector<std::string> problems;  // texts to show after "results.txt:LINE: "
};

// Reads one line of results as people type it: the home team, the score, the
// away team. The score is one token ("3-1", "3:1", "3–1"), the goals and a
// dash or colon apart ("3 - 1", "3 -1", "3- 1"), or the goals with any token
// between them that is not a number, as the tools read it ("3 - 1", "3 v 1").
// Goals are decimal digits within 32 bits. A name is a run of words that is a
// team's name in either form (see TeamNames::find_exact), so a name ending in a
// digit ("Team 2 2-1 Rovers") or beginning with one ("1874 Northwich") reads.
//
// Problems, all of the line's at once: the line reads as results of different
// teams or scores (naming every reading; the names in their one-word form tell
// them apart); a home or away name that is no team (with suggestions, see
// not_a_team); a score that does not read, or none between the teams; a team
// playing itself. Bytes that are not UTF-8 are one problem of their own, so is
// an empty line (callers skip blank lines), and a line in which neither a team nor anything like a
// score stands is one problem ("... is not a result"). When the parts cannot be told apart for
// sure, the longest home name is taken.
ResultLineReading read_result_line(std::string_view line, const TeamNames& teams);

}  // namespace league
