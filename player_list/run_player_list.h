#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace league {

// The whole run of player_list in the current directory: asks for a sorting
// criterion, reads every roster named in teams.dir, and writes all their
// players, each with its team, to all_plrs.txt in the chosen order. Returns
// the exit status.
int run_player_list(const std::vector<std::string>& args, std::istream& in, std::ostream& out);

}  // namespace league
