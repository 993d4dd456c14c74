// Feeds arbitrary text to results reading and team matching. The first line
// lists the teams of the table (one name per token), the rest is results.txt.
// Refusing a result or an unknown team is an expected outcome.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/console/tool_error.h"
#include "common/results/results_file.h"
#include "common/results/team_index.h"
#include "common/text/tokens.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t line_end = input.find('\n');
  const std::string_view teams_line = input.substr(0, line_end);
  const std::string_view results =
      line_end == std::string_view::npos ? std::string_view() : input.substr(line_end + 1);

  const std::vector<std::string> names = [&] {
    std::vector<std::string> list;
    for (const std::string_view name : league::split_tokens(teams_line, 60))
      list.emplace_back(name);
    return list;
  }();
  league::TeamIndex teams;
  for (const std::string& name : names) teams.add(name);

  try {
    league::apply_results(results, teams,
                          [&](const league::MatchResult& result, const league::MatchRows& rows) {
                            for (std::size_t k = 0; k < rows.size(); ++k) {
                              if (rows[k] >= names.size() || names[rows[k]] != result.sides[k].team)
                                std::abort();
                              (void)league::points_for(league::match_outcome(result, k));
                            }
                          });
  } catch (const league::ToolError&) {
  }
  return 0;
}
