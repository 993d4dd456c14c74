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

}  // namespace league
