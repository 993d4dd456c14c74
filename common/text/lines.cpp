#include "common/text/lines.h"

#include <algorithm>

namespace league {

std::optional<std::string_view> LineReader::next() {
  if (pos_ >= text_.size()) return std::nullopt;
  if (at_line_start_) ++line_number_;
  std::size_t end = text_.find('\n', pos_);
  end = end == std::string_view::npos ? text_.size() : end + 1;
  if (piece_ != kWhole) end = std::min(end, pos_ + piece_);
  const std::string_view line = text_.substr(pos_, end - pos_);
  pos_ = end;
  at_line_start_ = line.back() == '\n';
  return line;
}

}  // namespace league
