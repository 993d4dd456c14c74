#include "common/results/results_file.h"

#include "common/console/tool_error.h"
#include "common/io/whole_file.h"
#include "common/text/integers.h"

namespace league {

std::string read_results_file() {
  return read_league_file_or_fail("results.txt", "\nFailed to open file results.txt !!",
                                  ToolError::Key::kWait);
}

void refuse_result(std::string_view home_team) {
  throw ToolError(
      "\nError ! Invalid result for team " + std::string(home_team) + " in results.txt !!",
      ToolError::Key::kWait);
}

std::optional<MatchResult> ResultsReader::read_match_result() {
  const auto home = tokens_.next();
  if (!home) return std::nullopt;
  const auto home_goals = tokens_.next();
  const auto separator = tokens_.next();
  const auto away_goals = tokens_.next();
  const auto away = tokens_.next();
  if (!home_goals || !separator || !away_goals || !away) refuse_result(*home);
  const auto home_count = parse_whole_int(*home_goals);
  const auto away_count = parse_whole_int(*away_goals);
  if (!home_count || !away_count) refuse_result(*home);
  return MatchResult{{MatchSide{*home, *home_count}, MatchSide{*away, *away_count}}};
}

void apply_results(std::string_view text, const TeamIndex& teams,
                   const std::function<void(const MatchResult&, const MatchRows&)>& apply) {
  ResultsReader reader(text);
  while (const auto result = reader.read_match_result()) {
    MatchRows rows{};
    for (std::size_t k = 0; k < rows.size(); ++k) {
      const auto row = teams.find_team(result->sides[k].team);
      if (!row) {
        throw ToolError(
            "\nError ! Team " + std::string(result->sides[k].team) + " not found in the table !!",
            ToolError::Key::kWait);
      }
      rows[k] = *row;
    }
    apply(*result, rows);
  }
}

}  // namespace league
