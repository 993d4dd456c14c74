#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace league {

// The whole run of team_sheet: takes the roster name from the arguments (or
// asks for it), reads "<name>.txt" by its header, chooses the default line-up
// and replaces "<name>sht.txt" with it. Returns the exit status.
int run_team_sheet(const std::vector<std::string>& args, std::istream& in, std::ostream& out);

}  // namespace league
