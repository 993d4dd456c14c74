#pragma once

#include <string>
#include <string_view>

#include "team_sheet/line_up.h"

namespace league {

// The team sheet file: the roster name, "N", the eleven starters and the five
// substitutes each as label, blank and name (a blank alone for an empty slot),
// each group after an empty line, then "PK: " and the penalty taker, with no
// line end after that last line. Names are written in full.
std::string team_sheet_text(std::string_view roster_name, const TeamSheet& sheet);

}  // namespace league
