#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace league {

// The number, from 1, of the line of `text` on which `part` starts; `part` is a
// view into `text`, as the tokens of the tools' readers are. Lines end at '\n',
// as the tools count them.
inline std::size_t line_of(std::string_view text, std::string_view part) {
  const auto before = static_cast<std::size_t>(part.data() - text.data());
  return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + before, '\n'));
}

}  // namespace league
