#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
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

// The text in double quotes, for a message.
inline std::string in_quotes(std::string_view text) {
  return '"' + std::string(text) + '"';
}

// The last two decimal digits of a number from 0: "07".
inline std::string two_digits(std::int64_t value) {
  return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

// FNV-1a of the bytes, 64 bits: a checksum, not a defence against tampering.
inline std::uint64_t fnv1a(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char byte : bytes) {
    hash ^= static_cast<unsigned char>(byte);
    hash *= 1099511628211ULL;
  }
  return hash;
}

// The value as 16 lower-case hexadecimal digits.
inline std::string hex16(std::uint64_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, value >>= 4)
    text[static_cast<std::size_t>(i)] = kDigits[value & 15];
  return text;
}

}  // namespace league
