#include "common/results/results_file.h"

#include <algorithm>
#include <array>

#include "common/text/integers.h"
#include "common/text/lines.h"
#include "common/text/tokens.h"

namespace league {

std::vector<ResultsEntry> read_results(std::string_view text) {
  std::vector<ResultsEntry> entries;
  TokenScanner tokens(text);
  LineCounter lines(text);
  while (const auto home = tokens.next()) {
    ResultsEntry entry{lines.line_of(*home), std::nullopt, *home, {}};
    std::array<std::optional<std::string_view>, 4> rest;
    for (auto& word : rest) word = tokens.next();
    const auto& [home_goals, separator, away_goals, away] = rest;
    const auto home_count = home_goals ? parse_whole_int(*home_goals) : std::nullopt;
    const auto away_count = away_goals ? parse_whole_int(*away_goals) : std::nullopt;
    if (separator && away && home_count && away_count) {
      entry.result = MatchResult{{MatchSide{*home, *home_count}, MatchSide{*away, *away_count}}};
    } else {
      // The words of its line, and reading goes on at the next line.
      const std::string_view from_home =
          text.substr(static_cast<std::size_t>(home->data() - text.data()));
      const std::string_view its_line = from_home.substr(0, from_home.find('\n'));
      for (const std::string_view word : split_tokens(its_line)) {
        if (!entry.words.empty()) entry.words += ' ';
        entry.words += word;
      }
      tokens = TokenScanner(from_home.substr(std::min(its_line.size() + 1, from_home.size())));
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace league
