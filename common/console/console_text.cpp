#include "common/console/console_text.h"

namespace league {

std::size_t complete_utf8_length(std::string_view text) {
  // Only the last three bytes can start a sequence still missing bytes.
  for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const auto byte = static_cast<unsigned char>(text[text.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return needed > back ? text.size() - back : text.size();
  }
  return text.size();
}

bool TypedLineEnds::convert(std::string_view typed, std::string& out) {
  for (const char ch : typed) {
    if (ch == '\x1A') return false;
    if (ch == '\n' && after_cr_) {
      after_cr_ = false;
      continue;
    }
    after_cr_ = ch == '\r';
    out += after_cr_ ? '\n' : ch;
  }
  return true;
}

}  // namespace league
