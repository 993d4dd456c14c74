#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace league {

// The whole run of the `league` program: reads its subcommand and options
// from `args` (the arguments after the program name), works in the current
// directory, prints to `out` (errors to `err`) and returns the exit status.
int run_league(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace league
