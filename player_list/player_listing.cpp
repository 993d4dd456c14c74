#include "player_list/player_listing.h"

#include "common/console/tool_error.h"
#include "common/roster/roster_layout.h"
#include "common/safe_file/file_replacement.h"
#include "common/text/columns.h"

namespace league {

namespace {

constexpr std::size_t kTeamWidth = 5;

}  // namespace

std::string format_player_list(const std::vector<Player>& players, int layout) {
  const RosterLayout* columns = find_roster_layout(layout);
  std::string listing;
  if (columns == nullptr) return listing;

  std::string header;
  append_padded_left(header, "Team", kTeamWidth);
  header += roster_header_line(*columns);
  listing += header;
  listing += dash_line_for(header);
  // A rough row size up front keeps a large league to a few allocations.
  listing.reserve(listing.size() + players.size() * (header.size() + 8));
  {
    RowWriter rows(listing);
    for (const Player& player : players) {
      rows.left(player.Team, kTeamWidth);
      append_roster_values(rows, player, *columns);
      rows.put('\n');
    }
  }
  return listing;
}

void write_player_list(const std::vector<Player>& players, int layout) {
  if (!replace_file("all_plrs.txt", format_player_list(players, layout)))
    throw ToolError("Error ! Unable to open file all_plrs.txt");
}

}  // namespace league
