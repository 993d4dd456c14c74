#include "team_sheet/sheet_text.h"

namespace league {

std::string team_sheet_text(std::string_view roster_name, const TeamSheet& sheet) {
  std::string text;
  text.append(roster_name).append("\nN\n");
  for (std::size_t slot = 0; slot < kSheetSlots; ++slot) {
    text.append("\n").append(kSheetPositions[slot].label).append(" ").append(sheet.names[slot]);
    if (slot + 1 == kStarters) text.append("\n");
  }
  text.append("\n\nPK: ").append(sheet.penalty_taker());
  return text;
}

}  // namespace league
