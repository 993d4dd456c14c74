#include "league/season/round_check.h"

#include <algorithm>
#include <map>
#include <unordered_set>

#include "common/io/league_files.h"
#include "league/names/team_lookup.h"
#include "league/names/team_name.h"

namespace league {

namespace {

std::string unknown_team(std::string_view team, const std::vector<std::string>& teams) {
  return not_a_team(written_form(team), TeamNames(teams));
}

}  // namespace

RoundCheck check_round(const std::vector<ResultsEntry>& results,
                       const std::vector<std::string>& teams) {
  RoundCheck check;
  check.results = results.size();
  const auto problem = [&](std::size_t line, std::string what) {
    check.problems.push_back({kResultsFile, line, std::move(what)});
  };
  const std::unordered_set<std::string_view> known(teams.begin(), teams.end());
  std::map<std::string_view, std::size_t> first_line;  // team -> line of its first result
  for (const ResultsEntry& entry : results) {
    if (!entry.result) {
      problem(entry.line, '"' + entry.words +
                              "\" is not a result: home team, goals, a separator, goals, away "
                              "team (as in Ashford 2 - 1 Fenwick)");
      continue;
    }
    const auto& [home, away] = entry.result->sides;
    for (const MatchSide& side : {home, away}) {
      if (known.count(side.team) == 0) problem(entry.line, unknown_team(side.team, teams));
    }
    if (home.team == away.team) problem(entry.line, written_form(home.team) + " plays itself");
    if (home.goals < 0 || away.goals < 0) problem(entry.line, "negative goals");
    for (const MatchSide& side : {home, away}) {
      const auto [earlier, first] = first_line.try_emplace(side.team, entry.line);
      if (!first && home.team != away.team) {
        check.notes.push_back({kResultsFile, entry.line,
                               written_form(side.team) +
                                   " has another result in this round (first on line " +
                                   std::to_string(earlier->second) + ")"});
      }
    }
  }
  return check;
}

}  // namespace league
