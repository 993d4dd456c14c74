#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "league/commands/command.h"
#include "league/store/league_name.h"

namespace league {

namespace {

struct NameOptions {
  std::string name;
  bool given = false;
};

}  // namespace

int name_league(const NameOptions& options, CommandContext& context) {
  std::ostream& out = context.out;
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
  apply_or_fail(context.lock, "the league's new name", {league_name_change(given.name)});
  out << "The league is named " << given.name;
  if (kept && *kept != given.name) out << " (was " << *kept << ")";
  out << ".\n";
  return 0;
}

CommandRun name_command(CLI::App& command) {
  auto options = std::make_shared<NameOptions>();
  CLI::Option* text = command.add_option("TEXT", options->name, "The new name");
  return [options, text](CommandContext& context) {
    options->given = text->count() > 0;
    return name_league(*options, context);
  };
}

}  // namespace league
