#include "common/text/tokens.h"

#include "common/text/spaces.h"

namespace league {

std::string_view TokenScanner::rest_of_line() {
  const std::size_t start = pos_;
  std::size_t end = text_.find('\n', start);
  if (end == std::string_view::npos) end = text_.size();
  pos_ = end == text_.size() ? end : end + 1;
  return text_.substr(start, end - start);
}

std::vector<std::string_view> split_tokens(std::string_view text, std::size_t limit) {
  std::vector<std::string_view> tokens;
  TokenScanner scanner(text);
  while (tokens.size() < limit) {
    auto token = scanner.next();
    if (!token) break;
    tokens.push_back(*token);
  }
  return tokens;
}

}  // namespace league
