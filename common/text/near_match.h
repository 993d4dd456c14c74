#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace league {

// The name among `names` that `typed` most likely meant: one that differs only
// in letter case, or else one at most two edits away (a letter added, dropped
// or changed; one edit for names shorter than five letters). The closest wins; on a tie the first
// in `names`. Nothing when no name is that close, or when `typed` is one of `names` itself.
std::optional<std::string> near_match(std::string_view typed,
                                      const std::vector<std::string>& names);

// "TEAM is not a team of table.txt; did you mean TEAMS?" (the last part only
// when near_match finds one): how a name that is not one of `names` is told.
std::string not_one_of(std::string_view typed, std::string_view what,
                       const std::vector<std::string>& names);

}  // namespace league
