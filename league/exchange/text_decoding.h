#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"

namespace league::exchange {

struct DecodedText {
  std::string text;  // UTF-8, without a byte-order mark
  std::vector<Diagnostic> problems;
};

// A file's bytes as UTF-8 text. UTF-8 with or without a byte-order mark is
// checked and kept; UTF-16 little- or big-endian with its byte-order mark (as
// spreadsheets save "Unicode text") is converted. Bytes that are not well-formed
// in their encoding, and NUL bytes (UTF-16 without a byte-order mark), are
// problems named by `file` and line; the text is then empty.
DecodedText decode_text(std::string_view bytes, std::string_view file);

}  // namespace league::exchange
