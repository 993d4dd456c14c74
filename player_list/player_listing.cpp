#include "player_list/player_listing.h"

#include "common/console/tool_error.h"
#include "common/io/file_replacement.h"
#include "common/io/league_files.h"
#include "common/roster/roster_layout.h"
#include "common/text/columns.h"

namespace league {

namespace {

constexpr std::size_t kTeamWidth = 5;

}  // namespace

std::string format_listing(const std::vector<Player>& players,
                           const std::vector<std::size_t>& order, int layout) {
  const RosterLayout* columns = find_roster_layout(layout);
  if (columns == nullptr) return {};
  std::string text;
  append_padded_left(text, "Team", kTeamWidth);
  text += roster_header_line(*columns);
  text += dash_line_for(text);
  for (const std::size_t position : order) {
    const Player& player = players[position];
    append_padded_left(text, player.Team, kTeamWidth);
    append_roster_values(text, player, *columns);
    text += '\n';
  }
  return text;
}

void write_player_list(const std::vector<Player>& players, const std::vector<std::size_t>& order,
                       int layout) {
  if (!replace_file(kListingFile, format_listing(players, order, layout)))
    throw ToolError("Error ! Unable to open file " + std::string(kListingFile));
}

}  // namespace league
