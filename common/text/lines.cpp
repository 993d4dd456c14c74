#include "common/text/lines.h"

namespace league {

std::optional<std::string_view> LineReader::next() {
  if (pos_ >= text_.size()) return std::nullopt;
  if (at_line_start_) ++line_number_;
  // The line end is looked for within the piece only: searching the rest of a
  // long line for every piece of it would cost the square of its length.
  const std::string_view rest = text_.substr(pos_, piece_);
  const std::size_t end = rest.find('\n');
  const std::string_view line = end == std::string_view::npos ? rest : rest.substr(0, end + 1);
  pos_ += line.size();
  at_line_start_ = line.back() == '\n';
  return line;
}

}  // namespace league

namespace league {

std::size_t LineCounter::line_of(std::string_view part) {
  const auto at = static_cast<std::size_t>(part.data() - text_.data());
  for (; counted_to_ < at; ++counted_to_) {
    if (text_[counted_to_] == '\n') ++line_;
  }
  return line_;
}

}  // namespace league
