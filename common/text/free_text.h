#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace league {

// A line of free text the league keeps, such as the reason of a points
// adjustment or the league's name: UTF-8 without line breaks or other control
// characters, so that it stands on one line of a file and can be shown on the
// console, in a page and in JSON once escaped for each.
//
// What is wrong with `text` ("holds a line break", "holds the control
// character U+0009", "is not UTF-8 at byte 4"), nothing when it is such a line.
// Empty text is a line; callers that need words check for them.
std::optional<std::string> free_text_problem(std::string_view text);

}  // namespace league
