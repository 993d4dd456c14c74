#pragma once

#include <string>
#include <string_view>

namespace league {

// `text` with ASCII letters, digits and the characters of `kept` as they are,
// every other byte as %XX (upper-case hex digits): for a page's link and a
// calendar UID's parts, which must hold any team name and stay apart.
inline std::string percent_encoded(std::string_view text, std::string_view kept) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
        kept.find(c) != std::string_view::npos) {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  return out;
}

}  // namespace league
