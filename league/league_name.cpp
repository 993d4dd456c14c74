#include "league/league_name.h"

#include <ostream>

#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/text/spaces.h"
#include "league/commands.h"
#include "league/free_text.h"
#include "league/messages.h"

namespace league {

std::optional<std::string> league_name() {
  const auto text = read_league_file(kLeagueNameFile);
  if (!text) return std::nullopt;
  const std::string_view first = std::string_view(*text).substr(0, text->find('\n'));
  const std::string_view name = trimmed(first);
  if (name.empty()) return std::nullopt;
  return std::string(name);
}

NameGiven check_league_name(std::string_view typed) {
  NameGiven given{std::string(trimmed(typed)), std::nullopt};
  if (given.name.empty())
    given.problem = "is empty";
  else
    given.problem = free_text_problem(given.name);
  return given;
}

FileChange league_name_change(const std::string& name) {
  return {kLeagueNameFile, name + "\n"};
}

int name_league(const NameOptions& options, std::ostream& out) {
  const std::optional<std::string> kept = league_name();
  if (!options.given) {
    if (kept)
      out << *kept << '\n';
    else
      out << "The league has no name yet; league name TEXT gives it one.\n";
    return 0;
  }
  const NameGiven given = check_league_name(options.name);
  if (given.problem) fail({"league name", 0, "the name " + *given.problem + "; nothing changed"});
  if (const auto failed =
          apply_transaction("the league's new name", {league_name_change(given.name)}))
    fail(*failed);
  out << "The league is named " << given.name;
  if (kept && *kept != given.name) out << " (was " << *kept << ")";
  out << ".\n";
  return 0;
}

}  // namespace league
