#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/io/diagnostic.h"
#include "league/season/fixtures_file.h"
#include "league/season/season_schedule.h"

namespace league {

// The season as the league folder keeps it: the matches that the rounds of
// history/ applied, and fixtures.txt.

// The matches of every recorded round, round by round and in file order,
// with what of history/'s results.txt files does not read: one missing, or
// each line that is no result (league round applies none, so such a line is
// damage). Those lines are left out of the matches.
struct AppliedMatchesRead {
  std::vector<AppliedMatch> matches;
  std::vector<Diagnostic> problems;
};
AppliedMatchesRead read_applied_matches();

// read_applied_matches()'s matches, for commands that show no results.
std::vector<AppliedMatch> applied_matches();

// fixtures.txt, read and checked against the teams of table.txt.
struct LeagueFixturesRead {
  std::optional<Fixtures> fixtures;    // nothing without fixtures.txt, or with a problem
  std::optional<Diagnostic> unopened;  // it is there but cannot be opened
  std::vector<Diagnostic> problems;    // what `league check` finds in it, in line order
};
LeagueFixturesRead read_league_fixtures(const std::vector<std::string>& table_teams);

}  // namespace league
