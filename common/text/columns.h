#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace league {

// Column output as the league files lay it out. Padding fills a column to its
// width; a value wider than its column is written whole and widens it.

// `text` left-aligned in `width` columns, like printf's "%-Ns".
void append_padded_left(std::string& out, std::string_view text, std::size_t width);

// `text` right-aligned in `width` columns, like printf's "%Ns".
void append_padded_right(std::string& out, std::string_view text, std::size_t width);

// `value` in decimal, left-aligned ("%-Nd") or right-aligned ("%Nd").
void append_int_left(std::string& out, std::int32_t value, std::size_t width);
void append_int_right(std::string& out, std::int32_t value, std::size_t width);

}  // namespace league
