#include "league/round_check.h"

#include <algorithm>
#include <map>
#include <optional>

#include "common/text/integers.h"
#include "common/text/tokens.h"
#include "league/near_match.h"

namespace league {

namespace {

struct Word {
  std::string_view text;
  std::size_t line = 0;
};

// Every word of the text with the line it stands on.
std::vector<Word> words_of(std::string_view text) {
  std::vector<Word> words;
  TokenScanner scanner(text);
  std::size_t line = 1;
  std::size_t counted_to = 0;
  while (const auto token = scanner.next()) {
    const auto start = static_cast<std::size_t>(token->data() - text.data());
    line += static_cast<std::size_t>(
        std::count(text.begin() + static_cast<std::ptrdiff_t>(counted_to),
                   text.begin() + static_cast<std::ptrdiff_t>(start), '\n'));
    counted_to = start;
    words.push_back({*token, line});
  }
  return words;
}

// The words from `first` to the end of its line, joined by single spaces.
std::string line_text(const std::vector<Word>& words, std::size_t first) {
  std::string text;
  for (std::size_t i = first; i < words.size() && words[i].line == words[first].line; ++i) {
    if (!text.empty()) text += ' ';
    text += words[i].text;
  }
  return text;
}

std::string unknown_team(std::string_view team, const std::vector<std::string>& teams) {
  std::string text = std::string(team) + " is not a team of table.txt";
  if (const auto match = near_match(team, teams)) text += "; did you mean " + *match + "?";
  return text;
}

}  // namespace

RoundCheck check_round(std::string_view results_text, const std::vector<std::string>& teams) {
  RoundCheck check;
  const std::vector<Word> words = words_of(results_text);
  std::map<std::string_view, std::size_t> first_line;  // team -> line of its first result
  std::size_t i = 0;
  while (i < words.size()) {
    const std::size_t line = words[i].line;
    ++check.results;
    std::optional<std::int32_t> home_goals;
    std::optional<std::int32_t> away_goals;
    if (i + 5 <= words.size()) {
      home_goals = parse_whole_int(words[i + 1].text);
      away_goals = parse_whole_int(words[i + 3].text);
    }
    if (!home_goals || !away_goals) {
      std::string text(1, '"');
      text += line_text(words, i);
      text += "\" is not a result: home team, goals, a separator, goals, away team";
      text += " (as in Ashford 2 - 1 Fenwick)";
      check.problems.push_back({line, std::move(text)});
      // Go on with the next line, so that one bad result does not shift every
      // result after it.
      while (i < words.size() && words[i].line == line) ++i;
      continue;
    }
    const std::string_view home = words[i].text;
    const std::string_view away = words[i + 4].text;
    for (const std::string_view team : {home, away}) {
      if (std::find(teams.begin(), teams.end(), team) == teams.end()) {
        check.problems.push_back({line, unknown_team(team, teams)});
      }
    }
    if (home == away) check.problems.push_back({line, std::string(home) + " plays itself"});
    if (*home_goals < 0 || *away_goals < 0) {
      check.problems.push_back({line, "negative goals"});
    }
    for (const std::string_view team : {home, away}) {
      const auto [earlier, first] = first_line.try_emplace(team, line);
      if (!first && home != away) {
        check.notes.push_back({line, std::string(team) +
                                         " has another result in this round (first on line " +
                                         std::to_string(earlier->second) + ")"});
      }
    }
    i += 5;
  }
  return check;
}

std::string describe(const RoundProblem& problem) {
  return "results.txt, line " + std::to_string(problem.line) + ": " + problem.text;
}

}  // namespace league
