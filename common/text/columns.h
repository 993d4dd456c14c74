#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace league {

// Column output as the league files lay it out. Padding fills a column to its
// width; a value wider than its column is written whole and widens it.

// `text` left-aligned in `width` columns, like printf's "%-Ns".
inline void append_padded_left(std::string& out, std::string_view text, std::size_t width) {
  out.append(text);
  if (text.size() < width) out.append(width - text.size(), ' ');
}

// `text` right-aligned in `width` columns, like printf's "%Ns".
inline void append_padded_right(std::string& out, std::string_view text, std::size_t width) {
  if (text.size() < width) out.append(width - text.size(), ' ');
  out.append(text);
}

// `value` in decimal, left-aligned ("%-Nd") or right-aligned ("%Nd").
inline void append_int_left(std::string& out, std::int32_t value, std::size_t width) {
  append_padded_left(out, std::to_string(value), width);
}
inline void append_int_right(std::string& out, std::int32_t value, std::size_t width) {
  append_padded_right(out, std::to_string(value), width);
}

}  // namespace league
