#include "league/store/league_name.h"

#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/text/free_text.h"
#include "common/text/spaces.h"

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

}  // namespace league
