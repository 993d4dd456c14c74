#include "team_sheet/header_reader.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "common/roster/roster_layout.h"
#include "common/text/lines.h"
#include "common/text/tokens.h"
#include "team_sheet/roster_columns.h"

namespace league {
namespace {

constexpr std::size_t kMaxHeaderNames = 32;
// One fewer than the header may name, so a 32nd column never receives a value.
constexpr std::size_t kMaxRowTokens = 31;
// Fewer tokens than this make a player line no player row (blank lines, notes).
constexpr std::size_t kMinPlayerTokens = 14;
// The separator before the statistics is recognised by a '-' at the 31st
// character alone, so a player row with a minus sign in that place (a negative
// Ps of two digits in a two-section roster) ends the player rows as well.
constexpr std::size_t kSeparatorIndex = 30;

using Names = std::vector<std::string_view>;

Names read_header(LineReader& lines) {
  const auto line = lines.next();
  return line ? split_tokens(*line, kMaxHeaderNames) : Names{};
}

bool is_section_separator(std::string_view line) {
  return line.size() > kSeparatorIndex && line[kSeparatorIndex] == '-';
}

// Stores each token under the header column at the same position. Columns
// without a token (a short row) keep what the player held.
void store_row(ExtendedPlayer& player, RosterSection section, const Names& header,
               const Names& tokens) {
  const std::size_t columns = std::min(header.size(), tokens.size());
  for (std::size_t c = 0; c < columns; ++c) store_column(player, section, header[c], tokens[c]);
}

}  // namespace

int read_roster_by_header(std::string_view roster, SquadTable& squad, int capacity) {
  capacity = std::max(capacity, 0);
  // Slot 1 holds the section count even when nothing else fits.
  const std::size_t slots = static_cast<std::size_t>(std::max(capacity, 1)) + 1;
  if (squad.size() < slots) squad.resize(slots);

  LineReader lines(roster, kRosterLinePiece);
  Names header = read_header(lines);
  lines.next();  // the underline, skipped by position so it is never taken for the separator
  squad[1].Sections = 1;

  // The capacity is tested before the next line is read: a table that fills up
  // leaves the rest of the roster, separator included, unread.
  int k = 1;
  while (k <= capacity) {
    const auto line = lines.next();
    if (!line) break;
    if (is_section_separator(*line)) {
      squad[1].Sections = 2;
      break;
    }
    ExtendedPlayer& player = squad[k];
    set_column_defaults(player);
    const Names tokens = split_tokens(*line, kMaxRowTokens);
    if (tokens.size() < kMinPlayerTokens) continue;
    store_row(player, RosterSection::kPlayers, header, tokens);
    ++k;
  }
  if (squad[1].Sections == 1) return k - 1;

  // Statistics: every line is a row and row k belongs to the k-th player,
  // whatever its Name column says.
  header = read_header(lines);
  lines.next();
  k = 1;
  while (k <= capacity) {
    const auto line = lines.next();
    if (!line) break;
    store_row(squad[k], RosterSection::kStatistics, header, split_tokens(*line, kMaxRowTokens));
    ++k;
  }
  return k - 1;
}

}  // namespace league
