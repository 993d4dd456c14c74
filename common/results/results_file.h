#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/results/match_result.h"
#include "common/results/team_index.h"
#include "common/text/tokens.h"

namespace league {

// The contents of results.txt; when it cannot be opened the run ends with
// "\nFailed to open file results.txt !!" after a key press.
std::string read_results_file();

// Reads the results of results.txt one by one. Each result is five tokens: home
// team, home goals, a separator (any token), away goals, away team; line breaks
// carry no meaning. The views point into the text, which must outlive them.
class ResultsReader {
 public:
  explicit ResultsReader(std::string_view text) : tokens_(text) {}

  // The next result, or nothing at the end of the file. A result cut short by
  // the end of the file, or whose goals are not whole integers, ends the run
  // with the invalid-result message.
  std::optional<MatchResult> read_match_result();

 private:
  TokenScanner tokens_;
};

// Ends the run refusing the result whose home team is `home_team`:
// "\nError ! Invalid result for team %s in results.txt !!", then a key press.
[[noreturn]] void refuse_result(std::string_view home_team);

// Reads every result of `text` in file order, finds both teams (home first) and
// hands the result with their rows to `apply`. An unknown team ends the run with
// "\nError ! Team %s not found in the table !!" after a key press, before
// anything of that result is applied.
void apply_results(std::string_view text, const TeamIndex& teams,
                   const std::function<void(const MatchResult&, const MatchRows&)>& apply);

}  // namespace league
