#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace league {

// Column output as the league files lay it out. Padding fills a column to its
// width; a value wider than its column is written whole and widens it.

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

// Lays out one row after another, column by column, and appends each row to
// the output text in one piece. Rows are gathered in a small buffer because the
// writers format millions of short values and appending each of them to the
// text separately costs more than the formatting itself; a value too wide for
// the buffer goes to the text directly.
class RowWriter {
 public:
  explicit RowWriter(std::string& out) : out_(out) {}
  ~RowWriter() { flush(); }
  RowWriter(const RowWriter&) = delete;
  RowWriter& operator=(const RowWriter&) = delete;

  // `text` left-aligned in `width` columns, like printf's "%-Ns".
  void left(std::string_view text, std::size_t width) {
    put(text);
    pad(text.size(), width);
  }
  // `text` right-aligned in `width` columns, like printf's "%Ns".
  void right(std::string_view text, std::size_t width) {
    pad(text.size(), width);
    put(text);
  }
  // `value` in decimal, left-aligned ("%-Nd") or right-aligned ("%Nd").
  void int_left(std::int32_t value, std::size_t width) { left(Decimal(value).text(), width); }
  void int_right(std::int32_t value, std::size_t width) { right(Decimal(value).text(), width); }

  void put(char c) {
    if (used_ == buffer_.size()) flush();
    buffer_[used_++] = c;
  }
  void put(std::string_view text) {
    if (used_ + text.size() > buffer_.size()) {
      flush();
      if (text.size() > buffer_.size()) {
        out_.append(text);
        return;
      }
    }
    // Values are mostly a few characters long: a plain loop beats a call.
    for (const char c : text) buffer_[used_++] = c;
  }

  // Appends what is gathered to the output text.
  void flush() {
    out_.append(buffer_.data(), used_);
    used_ = 0;
  }

 private:
  void pad(std::size_t size, std::size_t width) {
    if (size >= width) return;
    std::size_t missing = width - size;
    if (used_ + missing > buffer_.size()) {
      flush();
      if (missing > buffer_.size()) {
        out_.append(missing, ' ');
        return;
      }
    }
    for (; missing > 0; --missing) buffer_[used_++] = ' ';
  }

  std::string& out_;
  std::array<char, 256> buffer_{};
  std::size_t used_ = 0;
};

// One text in a column, for output that is not written row after row.
inline void append_padded_left(std::string& out, std::string_view text, std::size_t width) {
  RowWriter(out).left(text, width);
}
inline void append_padded_right(std::string& out, std::string_view text, std::size_t width) {
  RowWriter(out).right(text, width);
}

}  // namespace league
