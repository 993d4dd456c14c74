#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "common/text/spaces.h"

namespace league {

// A whole token that is an integer: an optional sign and at least one decimal
// digit, nothing else, within the signed 32-bit range. Anything else gives
// nothing. Inline: every number of every league file is read through it.
inline std::optional<std::int32_t> parse_whole_int(std::string_view token) {
  std::size_t i = 0;
  const bool negative = !token.empty() && token[0] == '-';
  if (!token.empty() && (token[0] == '+' || negative)) i = 1;
  if (i == token.size()) return std::nullopt;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < token.size(); ++i) {
    const char c = token[i];
    if (!is_digit(c)) return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > kLimit) return std::nullopt;
  }
  if (!negative && magnitude == kLimit) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

// The number at the start of a text, as settings and header-driven roster values
// are read: leading white space skipped, an optional sign, then decimal digits up
// to the first other character. No leading digits gives 0; a value beyond the
// 32-bit range saturates at the nearest limit instead of wrapping.
std::int32_t leading_int(std::string_view text);

// Saturating addition for counters that must never wrap: nothing on overflow.
std::optional<std::int32_t> checked_add(std::int32_t a, std::int32_t b);

}  // namespace league
