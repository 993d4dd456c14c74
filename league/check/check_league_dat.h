#pragma once

#include <string_view>

#include "league/check/check_report.h"

namespace league {

// Checks the text of league.dat for settings of the tools (Fitness,
// Conceded_Sub_Apps, Minutes, Attendances_Pack, Fit_ZEP) that are not read as
// the writer meant: a line that looks like one but is not read as written
// (no blanks around "=", words taken over from an earlier line), one below the
// "Abbrevations:" line, a value that is not a whole number, and a key a letter
// or two away from one of them. Lines with other keys are left alone:
// league.dat serves other programs too.
void check_league_dat(std::string_view text, CheckReport& report);

}  // namespace league
