#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace league {

// Reads a text line by line. With a piece limit it reads the way a fixed line
// buffer does: a piece holds at most `piece` characters, the line end counted,
// and the rest of a longer line comes back as the next piece. Without one, every
// line comes back whole. The line end stays in the piece.
class LineReader {
 public:
  static constexpr std::size_t kWhole = static_cast<std::size_t>(-1);

  explicit LineReader(std::string_view text, std::size_t piece = kWhole)
      : text_(text), piece_(piece) {}

  // The next line or piece, or nothing at the end of the text.
  std::optional<std::string_view> next();

  // 1-based number of the physical line that the last piece started on.
  std::size_t line_number() const { return line_number_; }

 private:
  std::string_view text_;
  std::size_t piece_;
  std::size_t pos_ = 0;
  std::size_t line_number_ = 0;
  bool at_line_start_ = true;
};

}  // namespace league
