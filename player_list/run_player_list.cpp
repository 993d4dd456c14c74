#include "player_list/run_player_list.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "common/console/command_line.h"
#include "common/console/tool_error.h"
#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/roster/fixed_reader.h"
#include "common/roster/teams_dir.h"
#include "common/settings/league_settings.h"
#include "player_list/player_listing.h"
#include "player_list/sort_criteria.h"

namespace league {

namespace {

constexpr ToolInfo kTool = {
    "player_list", "",
    "Asks for one of 28 sorting criteria, reads every roster named in teams.dir\n"
    "(in the column layout that league.dat selects) and writes all players of the\n"
    "league, each with its team, to all_plrs.txt in that order.\n"};

// Reads every roster named in teams.dir, in order, and gathers their players
// in reading order. Returns the roster layout of the last roster read, 0 when
// there was none.
int gather_players(std::vector<Player>& players, std::ostream& out) {
  const std::string teams = read_league_file_or_fail(
      kTeamsDirFile, "Error ! Unable to open file " + std::string(kTeamsDirFile));

  // Reused for every roster without clearing: a field the layout lacks is
  // never written and stays 0 for every player.
  std::vector<Player> roster_buffer(kRosterCapacity);
  int layout = 0;
  for (const std::string_view name : roster_names(teams)) {
    out << "\nProcessing " << name;
    const std::string roster = read_league_file_or_fail(
        std::string(name), "\nFailed to open file " + std::string(name) + "\n !!");
    // Loaded for each roster, after it was opened, so the layout is the one
    // league.dat gives at the time each roster is read.
    layout = load_league_settings();
    const int count = read_roster_fixed(roster, roster_buffer, kRosterCapacity, layout);
    const std::string_view team = team_of(name);
    // Moved, not copied: the reader assigns every text field of a slot it
    // fills, so a moved-from text never reaches a player.
    for (int i = 0; i < count; ++i) {
      players.push_back(std::move(roster_buffer[static_cast<std::size_t>(i)]));
      players.back().Team = team;
    }
  }
  return layout;
}

}  // namespace

int run_player_list(const std::vector<std::string>& args, std::istream& in, std::ostream& out) {
  // --help and --version stand alone; any other argument list is a mistake.
  if (const auto status = answer_standard_option(kTool, args, out)) return *status;
  if (!args.empty()) return report_usage(kTool, out);

  try {
    const SortCriterion& criterion = sort_criterion(choose_sort_criterion(in, out));
    std::vector<Player> players;
    const int layout = gather_players(players, out);
    write_player_list(players, sorted_positions(players, criterion), layout);
    out << "\n\nFile <" << kListingFile << "> created successfully\n";
    out.flush();
    return 0;
  } catch (const ToolError& error) {
    return report_tool_error(error, in, out);
  }
}

}  // namespace league
