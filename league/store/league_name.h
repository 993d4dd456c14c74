#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "league/store/transaction.h"

namespace league {

// The league's name ("Northern Counties League"), one line of UTF-8 in
// history/name, among league's own files. Pages, JSON and calendars show it;
// a league without one is shown as it always was.

// The name kept, nothing when there is none (no file, or no words in it).
std::optional<std::string> league_name();

// The name as given on the command line, white space around it dropped; what
// is wrong with it ("is empty", "holds a line break") for a message such as
// "league name: the name holds a line break".
struct NameGiven {
  std::string name;
  std::optional<std::string> problem;
};
NameGiven check_league_name(std::string_view typed);

// The change that keeps `name` as the league's name.
FileChange league_name_change(const std::string& name);

}  // namespace league
