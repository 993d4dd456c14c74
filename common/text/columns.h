#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace league {

// Column output as the league files lay it out. Padding fills a column to its
// width; a value wider than its column is written whole and widens it. These
// run for every value of every row written, so they are kept inline.

// The decimal digits of a 32-bit value: at most 11 characters with the sign.
class Decimal {
 public:
  explicit Decimal(std::int32_t value)
      : size_(static_cast<std::size_t>(
            std::to_chars(digits_.data(), digits_.data() + digits_.size(), value).ptr -
            digits_.data())) {}
  std::string_view text() const { return {digits_.data(), size_}; }

 private:
  std::array<char, 12> digits_{};
  std::size_t size_;
};

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
  append_padded_left(out, Decimal(value).text(), width);
}
inline void append_int_right(std::string& out, std::int32_t value, std::size_t width) {
  append_padded_right(out, Decimal(value).text(), width);
}

}  // namespace league
