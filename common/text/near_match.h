#pragma once

#include <cstddef>
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

// A name as compared for a near match: letter case and the accents of the
// Latin letters dropped ("Ö" is "o"), the typographic apostrophes (’ ‘) taken
// for ', so that a name typed on a keyboard without them still finds its own.
std::string folded(std::string_view name);

// The number of single-letter insertions, deletions and changes that turn a
// into b.
std::size_t edit_distance(std::string_view a, std::string_view b);

// How many edits a name may be off and still be near: two for names of five
// letters or more, one for shorter ones, which two edits would turn into
// almost any other short name.
std::size_t edit_limit(std::string_view typed);

}  // namespace league
