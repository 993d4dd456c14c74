#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/results/match_result.h"

namespace league {

// One result of results.txt as read, or one that does not read.
struct ResultsEntry {
  std::size_t line = 0;               // the line it starts on, from 1
  std::optional<MatchResult> result;  // nothing: cut short, or goals not whole numbers
  std::string_view home;              // its first word, the home team
  std::string words;                  // when it does not read: the words of its line
};

// Reads the results of results.txt. Each result is five tokens: home team, home
// goals, a separator (any token), away goals, away team; line breaks carry no
// meaning. After a result that does not read, reading goes on at the next line,
// so that one bad result does not shift every one after it; the tools stop at
// the first. The views point into the text, which must outlive them.
std::vector<ResultsEntry> read_results(std::string_view text);

}  // namespace league
