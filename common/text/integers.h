#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace league {

// The integer a text starts with: an optional sign and at least one decimal
// digit, up to the first other character. Every number of every league file
// is read through it.
struct IntPrefix {
  std::int32_t value = 0;  // held at the nearest 32-bit limit when out of range
  bool in_range = true;    // false when the digits' value lies beyond 32 bits
  std::size_t length = 0;  // characters taken: the sign and every digit
};
std::optional<IntPrefix> read_int_prefix(std::string_view text);

// A whole token that is an integer within the signed 32-bit range, nothing
// else: no white space, no trailing characters.
std::optional<std::int32_t> parse_whole_int(std::string_view token);

// The number at the start of a text, as settings and header-driven roster values
// are read: leading white space skipped, then read_int_prefix. No leading digits
// gives 0; a value beyond the 32-bit range saturates at the nearest limit.
std::int32_t leading_int(std::string_view text);

// Addition for counters that must never wrap: nothing on overflow.
std::optional<std::int32_t> checked_add(std::int32_t a, std::int32_t b);

}  // namespace league
