#include "common/text/columns.h"

#include <array>
#include <charconv>

namespace league {

namespace {

// The decimal digits of a 32-bit value: at most 11 characters with the sign.
struct Decimal {
  std::array<char, 12> digits{};
  std::size_t size = 0;
  explicit Decimal(std::int32_t value) {
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    size = static_cast<std::size_t>(result.ptr - digits.data());
  }
  std::string_view text() const { return {digits.data(), size}; }
};

}  // namespace

void append_padded_left(std::string& out, std::string_view text, std::size_t width) {
  out.append(text);
  if (text.size() < width) out.append(width - text.size(), ' ');
}

void append_padded_right(std::string& out, std::string_view text, std::size_t width) {
  if (text.size() < width) out.append(width - text.size(), ' ');
  out.append(text);
}

void append_int_left(std::string& out, std::int32_t value, std::size_t width) {
  append_padded_left(out, Decimal(value).text(), width);
}

void append_int_right(std::string& out, std::int32_t value, std::size_t width) {
  append_padded_right(out, Decimal(value).text(), width);
}

}  // namespace league
