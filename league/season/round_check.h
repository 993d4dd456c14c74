#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/io/diagnostic.h"
#include "common/results/results_file.h"

namespace league {

// Everything a check of a round's results found, in file order.
struct RoundCheck {
  std::size_t results = 0;           // the results read, well-formed or not
  std::vector<Diagnostic> problems;  // any of these must stop the round
  std::vector<Diagnostic> notes;     // allowed: a team with two results in the round
};

// Checks the results read from results.txt against the teams of table.txt,
// every one of them: a result cut short or whose goals are not whole numbers,
// a team not in the table (naming a near match when there is one), a team
// playing itself, negative goals.
RoundCheck check_round(const std::vector<ResultsEntry>& results,
                       const std::vector<std::string>& teams);

}  // namespace league
