#pragma once

#include <array>
#include <string_view>

namespace league {

namespace detail {
// Which byte values are white space, so that the test is a single lookup in the
// scanning loops that every file is read through.
inline constexpr std::array<bool, 256> kSpaces = [] {
  std::array<bool, 256> table{};
  for (unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r'}) table[c] = true;
  return table;
}();
}  // namespace detail

// The C white-space set. Carriage return is part of it, so files saved with
// CRLF line ends read exactly like files with LF line ends.
constexpr bool is_space(char c) {
  return detail::kSpaces[static_cast<unsigned char>(c)];
}

constexpr bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// The text without the white space around it.
constexpr std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_space(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_space(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace league
