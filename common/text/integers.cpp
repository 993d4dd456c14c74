#include "common/text/integers.h"

#include <charconv>
#include <limits>
#include <system_error>

#include "common/text/spaces.h"

namespace league {

std::optional<IntPrefix> read_int_prefix(std::string_view text) {
  std::size_t start = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '+' || negative)) start = 1;
  std::size_t end = start;
  while (end < text.size() && is_digit(text[end])) ++end;
  if (end == start) return std::nullopt;

  std::uint64_t magnitude = 0;
  const auto [rest, error] = std::from_chars(text.data() + start, text.data() + end, magnitude);
  (void)rest;
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  const std::uint64_t limit = negative ? kMax + 1 : kMax;
  IntPrefix prefix;
  prefix.length = end;
  prefix.in_range = error == std::errc() && magnitude <= limit;
  if (!prefix.in_range) magnitude = limit;
  const auto signed_magnitude = static_cast<std::int64_t>(magnitude);
  prefix.value = static_cast<std::int32_t>(negative ? -signed_magnitude : signed_magnitude);
  return prefix;
}

std::optional<std::int32_t> parse_whole_int(std::string_view token) {
  const auto prefix = read_int_prefix(token);
  if (!prefix || !prefix->in_range || prefix->length != token.size()) return std::nullopt;
  return prefix->value;
}

std::int32_t leading_int(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && is_space(text[i])) ++i;
  const auto prefix = read_int_prefix(text.substr(i));
  return prefix ? prefix->value : 0;
}

std::optional<std::int32_t> checked_add(std::int32_t a, std::int32_t b) {
  const std::int64_t sum = std::int64_t{a} + b;
  if (sum > std::numeric_limits<std::int32_t>::max() ||
      sum < std::numeric_limits<std::int32_t>::min())
    return std::nullopt;
  return static_cast<std::int32_t>(sum);
}

}  // namespace league
