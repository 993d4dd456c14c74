#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace league {

// The length of the longest start of `text` that does not end inside a UTF-8
// sequence; the bytes after it wait for the rest of their character.
std::size_t complete_utf8_length(std::string_view text);

// Turns text typed at a console, piece by piece as it is read, into what the
// tools read from a pipe: each line end, CR LF or a CR alone (Enter without line
// editing), becomes LF, and Ctrl+Z ends the input as it does for any console
// program on Windows.
class TypedLineEnds {
 public:
  // Appends the converted piece to `out`; false once Ctrl+Z has ended the input.
  bool convert(std::string_view typed, std::string& out);

 private:
  bool after_cr_ = false;  // a LF that comes next belongs to that CR
};

}  // namespace league
