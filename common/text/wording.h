#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace league {

// "a", "a and b", "a, b and c".
inline std::string name_list(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

// "1 problem", "2 problems": a count and its noun, plural with an s.
inline std::string count_of(std::size_t count, const std::string& noun) {
  return std::to_string(count) + ' ' + noun + (count == 1 ? "" : "s");
}

}  // namespace league
