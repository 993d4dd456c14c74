#include "league/free_text.h"

#include <cstddef>

namespace league {

namespace {

// The code point of the well-formed UTF-8 sequence at the start of `text` and
// its length, or a length of 0 when the bytes there begin none (a stray
// continuation byte, an overlong form, a surrogate, beyond U+10FFFF).
struct Decoded {
  char32_t code = 0;
  std::size_t length = 0;
};

Decoded decode(std::string_view text) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t code = 0;
  char32_t least = 0;  // the smallest code point of that length
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    code = lead & 0x1F;
    least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    code = lead & 0x0F;
    least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    code = lead & 0x07;
    least = 0x10000;
  } else {
    return {};
  }
  if (text.size() < length) return {};
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(k) & 0xC0) != 0x80) return {};
    code = code << 6 | (byte(k) & 0x3F);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
  return {code, length};
}

// "U+0009": the code point in at least four hex digits.
std::string code_point_name(char32_t code) {
  constexpr std::string_view kDigits = "0123456789ABCDEF";
  std::string digits;
  for (; code != 0 || digits.size() < 4; code >>= 4)
    digits.insert(digits.begin(), kDigits[code & 0xF]);
  return "U+" + digits;
}

}  // namespace

std::optional<std::string> free_text_problem(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const Decoded decoded = decode(text.substr(at));
    if (decoded.length == 0) return "is not UTF-8 at byte " + std::to_string(at + 1);
    const char32_t code = decoded.code;
    // LF, CR, the vertical tab and form feed, NEL and the Unicode line and
    // paragraph separators all end a line somewhere.
    if (code == '\n' || code == '\r' || code == 0x0B || code == 0x0C || code == 0x85 ||
        code == 0x2028 || code == 0x2029)
      return std::string("holds a line break");
    if (code < 0x20 || (code >= 0x7F && code <= 0x9F))
      return "holds the control character " + code_point_name(code);
    at += decoded.length;
  }
  return std::nullopt;
}

}  // namespace league
