#pragma once

#include <cstddef>
#include <string_view>

namespace league {

// The code point of the well-formed UTF-8 sequence at the start of a text and
// its length in bytes; a length of 0 when the bytes there begin none (a stray
// continuation byte, an overlong form, a surrogate, a code point past
// U+10FFFF, or a sequence cut short).
struct Utf8Char {
  char32_t code = 0;
  std::size_t length = 0;
};
Utf8Char decode_utf8(std::string_view text);

}  // namespace league
