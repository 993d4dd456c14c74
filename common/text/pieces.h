#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace league {

// Where a writer hands its text, piece by piece; returns false once the text
// could not be taken (a failed write), which stops the writer.
using PieceSink = std::function<bool(std::string_view)>;

// A large file's text, gathered row by row and handed on in pieces of about
// 64 KiB, so that the whole text is never held in memory.
class PieceOutput {
 public:
  explicit PieceOutput(const PieceSink& sink) : sink_(sink) { piece_.reserve(kPieceSize + 512); }
  PieceOutput(const PieceOutput&) = delete;
  PieceOutput& operator=(const PieceOutput&) = delete;

  // The piece being gathered: append the next rows here.
  std::string& text() { return piece_; }

  // Hands the piece on once it is large enough. False once a piece was refused.
  bool row_done() { return piece_.size() < kPieceSize || hand_on(); }

  // Hands on the rest. False once a piece was refused.
  bool finish() { return hand_on(); }

 private:
  static constexpr std::size_t kPieceSize = std::size_t{1} << 16;

  bool hand_on() {
    const bool taken = sink_(piece_);
    piece_.clear();
    return taken;
  }

  const PieceSink& sink_;
  std::string piece_;
};

// The whole text a writer hands on, joined: for small files and for tests.
inline std::string joined_text(const std::function<bool(const PieceSink&)>& writer) {
  std::string text;
  writer([&](std::string_view piece) {
    text.append(piece);
    return true;
  });
  return text;
}

}  // namespace league
