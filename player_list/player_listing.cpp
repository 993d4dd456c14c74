#include "player_list/player_listing.h"

#include "common/console/tool_error.h"
#include "common/roster/roster_layout.h"
#include "common/safe_file/file_replacement.h"
#include "common/text/columns.h"

namespace league {

namespace {

constexpr std::size_t kTeamWidth = 5;

}  // namespace

bool write_listing(const std::vector<Player>& players, const std::vector<std::size_t>& order,
                   int layout, const PieceSink& sink) {
  const RosterLayout* columns = find_roster_layout(layout);
  if (columns == nullptr) return true;

  // The listing goes to the file in pieces, so that a large league is never
  // held in memory twice, as players and as text.
  PieceOutput out(sink);
  std::string& text = out.text();
  append_padded_left(text, "Team", kTeamWidth);
  text += roster_header_line(*columns);
  text += dash_line_for(text);
  for (const std::size_t position : order) {
    const Player& player = players[position];
    {
      RowWriter row(text);
      row.left(player.Team, kTeamWidth);
      append_roster_values(row, player, *columns);
      row.put('\n');
    }
    if (!out.row_done()) return false;
  }
  return out.finish();
}

void write_player_list(const std::vector<Player>& players, const std::vector<std::size_t>& order,
                       int layout) {
  FileReplacement file("all_plrs.txt");
  const bool written = file.prepare_in_pieces([&](const PieceSink& sink) {
    return write_listing(players, order, layout, sink);
  }) && file.commit();
  if (!written) throw ToolError("Error ! Unable to open file all_plrs.txt");
}

}  // namespace league
