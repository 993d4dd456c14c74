#pragma once

#include <string_view>
#include <vector>

namespace league {

// The roster file names listed in the text of teams.dir, in file order: every
// white-space-separated token, repeats included. The views point into the text.
std::vector<std::string_view> roster_names(std::string_view teams_dir);

// The team of a roster file: its name up to the first '.', or the whole name
// when it has none.
std::string_view team_of(std::string_view roster_name);

}  // namespace league
