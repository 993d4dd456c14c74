#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace league {

// The whole run of table_update in the current directory: applies results.txt
// to table.txt, orders and rewrites it and, with the setting Attendances_Pack
// on, recomputes the position factors in attendances.dat. Takes no arguments
// besides --help and --version. Returns the exit status.
int run_table_update(const std::vector<std::string>& args, std::istream& in, std::ostream& out);

}  // namespace league
