#include "common/roster/roster_layout.h"

#include <array>
#include <cassert>

#include "common/text/columns.h"
#include "common/text/tokens.h"

namespace league {

namespace {

RosterColumn text_column(std::string_view label, std::string Player::*field, std::size_t width,
                         bool left) {
  return {label, field, nullptr, width, left};
}

RosterColumn number_column(std::string_view label, std::int32_t Player::*field, std::size_t width) {
  return {label, nullptr, field, width, false};
}

// Every column a single-section roster can have, with its field and its width.
const std::vector<RosterColumn>& all_columns() {
  static const std::vector<RosterColumn> columns = {
      text_column("Name", &Player::Name, 13, true), number_column("Age", &Player::Age, 3),
      text_column("Nat", &Player::Nat, 4, false),   number_column("St", &Player::St, 3),
      number_column("Tk", &Player::Tk, 3),          number_column("Ps", &Player::Ps, 3),
      number_column("Sh", &Player::Sh, 3),          number_column("Ag", &Player::Ag, 3),
      number_column("KAb", &Player::KAb, 4),        number_column("TAb", &Player::TAb, 4),
      number_column("PAb", &Player::PAb, 4),        number_column("SAb", &Player::SAb, 4),
      number_column("Gam", &Player::Gam, 4),        number_column("Sub", &Player::Sub, 4),
      number_column("Min", &Player::Min, 5),        number_column("Mom", &Player::Mom, 4),
      number_column("Sav", &Player::Sav, 4),        number_column("Con", &Player::Con, 4),
      number_column("Ktk", &Player::Ktk, 4),        number_column("Kps", &Player::Kps, 4),
      number_column("Sht", &Player::Sht, 4),        number_column("Gls", &Player::Gls, 4),
      number_column("Ass", &Player::Ass, 4),        number_column("DP", &Player::DP, 4),
      number_column("Inj", &Player::Inj, 4),        number_column("Sus", &Player::Sus, 4),
      number_column("Fit", &Player::Fit, 4),
  };
  return columns;
}

// The columns of each layout in file order, as the rosters carry them.
constexpr std::array<std::string_view, kLastRosterLayout> kLayoutLabels = {
    // 1: no optional column
    "Name Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Sav Ktk Kps Sht Gls Ass DP Inj Sus",
    // 2: Fitness, Conceded_Sub_Apps and Minutes on
    "Name Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Sub Min Mom Sav Con Ktk Kps Sht Gls Ass DP "
    "Inj Sus Fit",
    // 3: Conceded_Sub_Apps and Minutes
    "Name Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Sub Min Mom Sav Con Ktk Kps Sht Gls Ass DP "
    "Inj Sus",
    // 4: Conceded_Sub_Apps
    "Name Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Sub Mom Sav Con Ktk Kps Sht Gls Ass DP Inj "
    "Sus",
    // 5: Fitness and Conceded_Sub_Apps
    "Name Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Sub Mom Sav Con Ktk Kps Sht Gls Ass DP Inj "
    "Sus "
    "Fit",
    // 6: Fitness
    "Name Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Mom Sav Ktk Kps Sht Gls Ass DP Inj Sus Fit",
    // 7: Minutes
    "Name Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Min Mom Sav Ktk Kps Sht Gls Ass DP Inj Sus",
    // 8: Fitness and Minutes
    "Name Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Min Mom Sav Ktk Kps Sht Gls Ass DP Inj Sus "
    "Fit",
};

std::vector<RosterLayout> build_layouts() {
  std::vector<RosterLayout> layouts;
  for (int number = kFirstRosterLayout; number <= kLastRosterLayout; ++number) {
    RosterLayout layout{number, {}};
    for (std::string_view label : split_tokens(kLayoutLabels[number - 1])) {
      const RosterColumn* column = find_roster_column(label);
      assert(column != nullptr);
      layout.columns.push_back(*column);
    }
    layouts.push_back(std::move(layout));
  }
  return layouts;
}

}  // namespace

int roster_layout_for(bool fitness, bool conceded_sub_apps, bool minutes) {
  // Indexed by Fitness * 4 + Conceded_Sub_Apps * 2 + Minutes.
  constexpr std::array<int, 8> kLayouts = {1, 7, 4, 3, 6, 8, 5, 2};
  return kLayouts[(fitness ? 4 : 0) + (conceded_sub_apps ? 2 : 0) + (minutes ? 1 : 0)];
}

const RosterLayout* find_roster_layout(int number) {
  static const std::vector<RosterLayout> layouts = build_layouts();
  if (number < kFirstRosterLayout || number > kLastRosterLayout) return nullptr;
  return &layouts[static_cast<std::size_t>(number - kFirstRosterLayout)];
}

const RosterColumn* find_roster_column(std::string_view label) {
  for (const RosterColumn& column : all_columns()) {
    if (column.label == label) return &column;
  }
  return nullptr;
}

std::string roster_header_line(const RosterLayout& layout) {
  std::string line;
  for (const RosterColumn& column : layout.columns) {
    if (column.left_aligned)
      append_padded_left(line, column.label, column.width);
    else
      append_padded_right(line, column.label, column.width);
  }
  line += '\n';
  return line;
}

std::string dash_line_for(std::string_view header_line) {
  std::size_t width = header_line.size();
  if (width > 0 && header_line.back() == '\n') --width;
  std::string line(width, '-');
  line += '\n';
  return line;
}

void append_roster_values(std::string& out, const Player& player, const RosterLayout& layout) {
  for (const RosterColumn& column : layout.columns) {
    if (column.is_text()) {
      const std::string& value = player.*column.text;
      if (column.left_aligned)
        append_padded_left(out, value, column.width);
      else
        append_padded_right(out, value, column.width);
    } else {
      append_int_right(out, player.*column.number, column.width);
    }
  }
}

}  // namespace league
