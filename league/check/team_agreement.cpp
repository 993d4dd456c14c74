#include "league/check/team_agreement.h"

#include "common/io/league_files.h"
#include "league/names/team_name.h"

namespace league {

std::string unknown_team_problem(std::string_view stored, const TeamNames& table_teams) {
  const std::string written = written_form(stored);
  const TeamMatch match = table_teams.find(written);
  if (match.suggestions.size() != 1) return not_a_team(written, table_teams, match.suggestions);
  return written + " is not a team of " + kTableFile + ", which has " +
         table_teams.written(match.suggestions.front()) +
         ": if they are one club, write its name the same way in both files (the tools "
         "compare names letter by letter)";
}

}  // namespace league
