#pragma once

#include <string_view>

#include "league/check/check_report.h"

namespace league {

// Checks every roster named in teams.dir (`teams_dir` is its text) as
// player_list reads it in roster layout `layout`: a roster that is missing, a
// header that does not name the layout's columns, lines that do not read as
// players, and more players than a roster holds.
void check_rosters(std::string_view teams_dir, int layout, CheckReport& report);

}  // namespace league
