#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <ostream>

#include "common/io/league_files.h"
#include "common/table/table_file.h"
#include "common/text/free_text.h"
#include "common/text/near_match.h"
#include "common/text/spaces.h"
#include "league/commands/command.h"
#include "league/store/league_keeps.h"
#include "league/store/reading.h"

namespace league {

namespace {

constexpr const char* kCommand = "league ground";

struct GroundOptions {
  std::string team;
  std::string name;
  std::optional<std::string> address;
};

// The grounds kept; a line that does not read ends the command.
Grounds grounds_or_refuse() {
  GroundsRead read = kept_grounds();
  if (!read.problems.empty()) {
    std::vector<Diagnostic> problems;
    for (const auto& [line, problem] : read.problems)
      problems.push_back({kGroundsFile, static_cast<std::size_t>(line), problem});
    fail_all(problems, kGroundsFile, "; nothing changed");
  }
  return std::move(read.grounds);
}

// A team of table.txt, or the command ends naming the team it most likely means.
void refuse_unknown_team(const std::string& team) {
  const std::vector<std::string> teams =
      team_names(league_table_or_fail("; nothing changed").read.rows);
  if (std::find(teams.begin(), teams.end(), team) != teams.end()) return;
  std::string what = team + " is not a team of " + kTableFile;
  if (const auto meant = near_match(team, teams)) what += " (did you mean " + *meant + "?)";
  refuse({kCommand, 0, what});
}

std::string free_text_or_refuse(const std::string& typed, const std::string& what) {
  std::string text(trimmed(typed));
  if (text.empty()) refuse({kCommand, 0, what + " is empty"});
  if (const auto problem = free_text_problem(text)) refuse({kCommand, 0, what + ' ' + *problem});
  return text;
}

void show_grounds(const Grounds& grounds, const std::string& team, std::ostream& out) {
  if (grounds.empty()) out << "No ground is kept yet; league ground TEAM NAME keeps one.\n";
  for (const auto& [kept_team, ground] : grounds) {
    if (team.empty() || team == kept_team) out << kept_team << ": " << ground_text(ground) << '\n';
  }
  if (!team.empty() && !grounds.empty() && !grounds.contains(team))
    out << team << " has no ground kept.\n";
}

}  // namespace

int set_ground(const GroundOptions& options, CommandContext& context) {
  std::ostream& out = context.out;
  Grounds grounds = grounds_or_refuse();
  if (options.name.empty()) {
    show_grounds(grounds, options.team, out);
    return 0;
  }
  refuse_unknown_team(options.team);
  Ground ground{free_text_or_refuse(options.name, "the ground's name"), {}};
  if (options.address) ground.address = free_text_or_refuse(*options.address, "the address");
  grounds[options.team] = ground;
  apply_or_fail(context.lock, options.team + "'s ground", {grounds_change(grounds)});
  out << options.team << " play at " << ground_text(ground) << ".\n";
  return 0;
}

CommandRun ground_command(CLI::App& command) {
  auto options = std::make_shared<GroundOptions>();
  command.add_option("TEAM", options->team, "The team, as table.txt names it");
  command.add_option("NAME", options->name, "The name of its ground");
  command.add_option("--address", options->address, "The ground's address, on one line")
      ->type_name("TEXT");
  return [options](CommandContext& context) { return set_ground(*options, context); };
}

}  // namespace league
