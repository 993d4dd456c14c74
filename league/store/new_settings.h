#pragma once

#include <string_view>

namespace league {

// The league.dat a new season gets when it has none: the settings the tools
// read, all off, with what each one does.
inline constexpr std::string_view kNewSettings =
    "League settings of the league tools. Lines of the form key = value (a blank\n"
    "on each side of the equals sign) are settings; all other lines are comments.\n"
    "A setting is on when its value is a number other than 0.\n"
    "\n"
    "Rosters carry a Fit column; team sheets pick players at least Fit_ZEP fit:\n"
    "Fitness = 0\n"
    "Fit_ZEP = 60\n"
    "Rosters carry the Sub and Con columns:\n"
    "Conceded_Sub_Apps = 0\n"
    "Rosters carry the Min column:\n"
    "Minutes = 0\n"
    "table_update also keeps attendances.dat (stadium and ticket data per team):\n"
    "Attendances_Pack = 0\n";

}  // namespace league
