#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/text/pieces.h"

namespace league {

// A new version of a league file, written whole to a temporary file beside the
// old one and put in its place by a rename only once it is complete. Until then
// the old file is untouched, so a failed or killed run never leaves a
// half-written file. A temporary file that is not committed is removed when the
// replacement goes out of scope.
class FileReplacement {
 public:
  explicit FileReplacement(std::string path) : path_(std::move(path)) {}
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Writes `contents` to a new temporary file in the target's directory, with
  // the permission bits of the file it will replace, checking every write, the
  // flush to disk and the close. On failure removes it and returns false.
  bool prepare(std::string_view contents);

  // The same in steps, for contents too large to hold whole in memory: open()
  // starts the temporary file, write() adds to it and close() completes it.
  // Each returns false once any step has failed; close() then removes the file.
  bool open();
  bool write(std::string_view data);
  bool close();

  // prepare() for a writer that hands its text on in pieces (see PieceOutput).
  bool prepare_in_pieces(const std::function<bool(const PieceSink&)>& writer);

  // Renames the prepared file over the target. False when that fails (the
  // temporary file is then removed and the target keeps its old contents).
  bool commit();

 private:
  void discard();

  std::string path_;
  std::string temp_path_;
  int fd_ = -1;
  std::uint64_t written_ = 0;  // bytes written to the temporary file
  std::uint64_t flushed_ = 0;  // of those, handed to the disk ahead of close()
  bool failed_ = false;
};

// Prepares and commits in one step.
bool replace_file(const std::string& path, std::string_view contents);

}  // namespace league
