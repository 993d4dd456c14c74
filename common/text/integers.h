#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace league {

// A whole token that is an integer: an optional sign and at least one decimal
// digit, nothing else, within the signed 32-bit range. Anything else gives nothing.
std::optional<std::int32_t> parse_whole_int(std::string_view token);

// The number at the start of a text, as settings and header-driven roster values
// are read: leading white space skipped, an optional sign, then decimal digits up
// to the first other character. No leading digits gives 0; a value beyond the
// 32-bit range saturates at the nearest limit instead of wrapping.
std::int32_t leading_int(std::string_view text);

// Saturating addition for counters that must never wrap: nothing on overflow.
std::optional<std::int32_t> checked_add(std::int32_t a, std::int32_t b);

}  // namespace league
