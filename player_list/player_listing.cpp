#include "player_list/player_listing.h"

#include "common/console/tool_error.h"
#include "common/roster/roster_layout.h"
#include "common/safe_file/file_replacement.h"
#include "common/text/columns.h"

namespace league {

namespace {

constexpr std::size_t kTeamWidth = 5;

// The listing goes to the file in pieces of about this size, so that a large
// league is never held in memory twice, as players and as text.
constexpr std::size_t kPieceSize = 1 << 16;

}  // namespace

bool write_listing(const std::vector<Player>& players, int layout,
                   const std::function<bool(std::string_view)>& write) {
  const RosterLayout* columns = find_roster_layout(layout);
  if (columns == nullptr) return true;

  std::string piece;
  append_padded_left(piece, "Team", kTeamWidth);
  piece += roster_header_line(*columns);
  piece += dash_line_for(piece);
  for (const Player& player : players) {
    {
      RowWriter row(piece);
      row.left(player.Team, kTeamWidth);
      append_roster_values(row, player, *columns);
      row.put('\n');
    }
    if (piece.size() >= kPieceSize) {
      if (!write(piece)) return false;
      piece.clear();
    }
  }
  return write(piece);
}

void write_player_list(const std::vector<Player>& players, int layout) {
  FileReplacement file("all_plrs.txt");
  const bool written =
      file.open() &&
      write_listing(players, layout, [&](std::string_view piece) { return file.write(piece); }) &&
      file.close() && file.commit();
  if (!written) throw ToolError("Error ! Unable to open file all_plrs.txt");
}

}  // namespace league
