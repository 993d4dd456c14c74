#pragma once

#include <string>
#include <string_view>

#include "league/names/team_lookup.h"

namespace league {

// The problem of a team that a league file names but table.txt does not,
// `stored` as that file has it. When table.txt has one team that it may be
// (the same name but for case or accents, a word short, a letter off), the
// two files name the club differently, and the problem says so: the tools
// match names byte for byte. Otherwise it names the teams meant, if any.
std::string unknown_team_problem(std::string_view stored, const TeamNames& table_teams);

}  // namespace league
