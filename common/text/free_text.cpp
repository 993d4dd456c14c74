#include "common/text/free_text.h"

#include <cstddef>

#include "common/text/utf8.h"

namespace league {

namespace {

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
    const Utf8Char decoded = decode_utf8(text.substr(at));
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
