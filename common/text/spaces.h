#pragma once

namespace league {

// The C white-space set. Carriage return is part of it, so files saved with
// CRLF line ends read exactly like files with LF line ends.
constexpr bool is_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace league
