#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "common/text/spaces.h"

namespace league {

// Walks a text token by token, tokens being runs of characters other than
// white space. The views point into the scanned text, which must outlive them.
class TokenScanner {
 public:
  explicit TokenScanner(std::string_view text) : text_(text) {}

  // The next token, or nothing at the end of the text.
  std::optional<std::string_view> next() {
    const char* const data = text_.data();
    const std::size_t size = text_.size();
    std::size_t pos = pos_;
    while (pos < size && is_space(data[pos])) ++pos;
    if (pos == size) {
      pos_ = pos;
      return std::nullopt;
    }
    const std::size_t start = pos;
    while (pos < size && !is_space(data[pos])) ++pos;
    pos_ = pos;
    return std::string_view(data + start, pos - start);
  }

  // The text from the current position to the end of its line (line end excluded)
  // and moves past that line end.
  std::string_view rest_of_line();

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// The tokens of a text, at most `limit` of them (the rest are ignored).
std::vector<std::string_view> split_tokens(std::string_view text,
                                           std::size_t limit = static_cast<std::size_t>(-1));

}  // namespace league
