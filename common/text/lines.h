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

// The line without its line end (LF or CR LF).
inline std::string_view without_line_end(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace league

namespace league {

// The line numbers of places in a text, asked for in text order, so that a
// whole file is counted once however many places are asked for. Lines end at
// '\n', as every reader of the league's files counts them.
class LineCounter {
 public:
  explicit LineCounter(std::string_view text) : text_(text) {}

  // The number, from 1, of the line on which `part`, a view into the text,
  // starts. Parts must come in text order.
  std::size_t line_of(std::string_view part);

 private:
  std::string_view text_;
  std::size_t counted_to_ = 0;
  std::size_t line_ = 1;
};

}  // namespace league
