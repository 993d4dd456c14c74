#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace league {

// What is wrong (or worth noting) at one line of results.txt.
struct RoundProblem {
  std::size_t line = 0;  // counted from 1
  std::string text;      // e.g. "Kestral is not a team of table.txt; did you mean Kestrel?"
};

// Everything a check of results.txt found, in file order.
struct RoundCheck {
  std::size_t results = 0;             // the results read, well-formed or not
  std::vector<RoundProblem> problems;  // any of these must stop the round
  std::vector<RoundProblem> notes;     // allowed: a team with two results in the round
};

// Checks the text of results.txt against the teams of table.txt without
// stopping at the first problem: a result cut short or whose goals are not
// whole numbers, a team not in the table (naming a near match when there is
// one), a team playing itself, negative goals. Results are read as the tools
// read them, five words each whatever the line breaks; after a malformed
// result the check goes on at the next line.
RoundCheck check_round(std::string_view results_text, const std::vector<std::string>& teams);

// "results.txt, line 3: " followed by the problem's text.
std::string describe(const RoundProblem& problem);

}  // namespace league
