#include "league/exchange/text_decoding.h"

#include <cstddef>

#include "common/text/utf8.h"

namespace league::exchange {

namespace {

void append_utf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

DecodedText failure(std::string_view file, std::size_t line, std::string what) {
  return {{}, {Diagnostic{std::string(file), line, std::move(what)}}};
}

DecodedText from_utf16(std::string_view bytes, bool little_endian, std::string_view file) {
  if (bytes.size() % 2 != 0) {
    return failure(file, 0, "UTF-16 text with an odd number of bytes");
  }
  const auto unit = [&](std::size_t k) {
    const auto first = static_cast<unsigned char>(bytes[k]);
    const auto second = static_cast<unsigned char>(bytes[k + 1]);
    return static_cast<char32_t>(little_endian ? second << 8 | first : first << 8 | second);
  };
  DecodedText result;
  result.text.reserve(bytes.size() / 2);
  std::size_t line = 1;
  for (std::size_t k = 0; k < bytes.size(); k += 2) {
    char32_t code = unit(k);
    if (code >= 0xD800 && code <= 0xDBFF && k + 3 < bytes.size() && unit(k + 2) >= 0xDC00 &&
        unit(k + 2) <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (unit(k + 2) - 0xDC00);
      k += 2;
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      return failure(file, line, "a lone UTF-16 surrogate");
    }
    if (code == 0) return failure(file, line, "a NUL character");
    if (code == '\n') ++line;
    append_utf8(result.text, code);
  }
  return result;
}

}  // namespace

DecodedText decode_text(std::string_view bytes, std::string_view file) {
  if (bytes.starts_with("\xFF\xFE")) return from_utf16(bytes.substr(2), true, file);
  if (bytes.starts_with("\xFE\xFF")) return from_utf16(bytes.substr(2), false, file);
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  std::size_t line = 1;
  for (std::size_t pos = 0; pos < bytes.size();) {
    if (bytes[pos] == '\0') {
      return failure(file, line, "a NUL byte (UTF-16 without a byte-order mark?)");
    }
    const Utf8Char next = decode_utf8(bytes.substr(pos));
    if (next.length == 0) return failure(file, line, "bytes that are not UTF-8");
    if (bytes[pos] == '\n') ++line;
    pos += next.length;
  }
  return {std::string(bytes), {}};
}

}  // namespace league::exchange
