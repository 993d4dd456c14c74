#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/roster/player.h"
#include "common/text/columns.h"

namespace league {

// One column of a single-section roster: its label in the header line, the
// player field it holds and how the roster and the listing lay it out.
struct RosterColumn {
  std::string_view label;
  std::string Player::*text = nullptr;     // set for Name and Nat
  std::int32_t Player::*number = nullptr;  // set for every other column
  std::size_t width = 0;                   // minimum width when written
  bool left_aligned = false;               // only Name is

  bool is_text() const { return text != nullptr; }
};

// The columns of one roster layout in file order. Layouts differ only in the
// optional columns Sub, Min, Mom, Con and Fit, chosen by the league settings.
struct RosterLayout {
  int number = 0;
  std::vector<RosterColumn> columns;
};

// Roster lines are read in pieces of at most this many characters, the line end
// counted; the rest of a longer line is read as a line of its own.
constexpr std::size_t kRosterLinePiece = 254;

// Players a roster may hold.
constexpr int kRosterCapacity = 50;

constexpr int kFirstRosterLayout = 1;
constexpr int kLastRosterLayout = 8;

// Which optional columns (Sub, Min, Mom, Con, Fit) the league's single-section
// rosters carry, 1 to 8, chosen from the settings Fitness, Conceded_Sub_Apps and
// Minutes.
int roster_layout_for(bool fitness, bool conceded_sub_apps, bool minutes);

// The layout of the given number, or nullptr for a number outside 1..8.
const RosterLayout* find_roster_layout(int number);

// The column with exactly this label (case counts), or nullptr. Any label of
// any layout is found: Name, Age, Nat, St ... Sus, Fit.
const RosterColumn* find_roster_column(std::string_view label);

// The header line of a layout, labels laid out in their columns' widths, and
// the matching line of dashes; each ends with '\n'.
std::string roster_header_line(const RosterLayout& layout);
std::string dash_line_for(std::string_view header_line);

// Appends a player's values in the layout's columns, each padded to its width
// and written whole when wider. No line end is added.
void append_roster_values(std::string& out, const Player& player, const RosterLayout& layout);

}  // namespace league
