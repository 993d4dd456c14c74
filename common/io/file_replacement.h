#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace league {

// A new version of a league file, written whole to a temporary file beside the
// old one and put in its place by a rename only once it is complete. Until then
// the old file is untouched, so a failed or killed run never leaves a
// half-written file. A temporary file that is not committed is removed when the
// replacement goes out of scope.
class FileReplacement {
 public:
  explicit FileReplacement(std::string path) : path_(std::move(path)) {}
  ~FileReplacement() { discard(); }
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Writes `contents` to a new temporary file in the target's directory, with
  // the permission bits of the file it will replace, checking every write, the
  // flush to disk and the close. On failure removes it and returns false.
  bool prepare(std::string_view contents);

  // Renames the prepared file over the target. False when that fails (the
  // temporary file is then removed and the target keeps its old contents).
  bool commit();

 private:
  void discard();
  void release();

  std::string path_;
  std::string temp_path_;
  // A second descriptor of the temporary file, held from its creation until
  // it is renamed or removed, whose lock tells other programs that its
  // writer still runs (see remove_abandoned_temporary); -1 when none.
  int held_ = -1;
};

// Flushes a folder's entries to disk, so that a rename or removal in it
// survives a crash; nothing where the system has no such flush.
void sync_folder(const std::string& folder);

// The temporary files are named ".tmp-" and digits. One that a killed run
// left behind is recognised by its name.
inline constexpr std::string_view kTemporaryPrefix = ".tmp-";
bool is_temporary_name(std::string_view name);

// Removes the temporary file at `path` when no running program writes it:
// a writer holds a lock on its temporary file from creation to rename (on
// Windows, the file is open without sharing), so only a killed run's leftover
// is removed. True when it was removed.
bool remove_abandoned_temporary(const std::string& path);

// Prepares and commits in one step.
bool replace_file(const std::string& path, std::string_view contents);

// New versions of several files that must change together.
struct FileUpdate {
  std::string path;
  std::string contents;
};

// How replacing several files together ended.
struct TogetherOutcome {
  // The file that could not be written; nothing when every file was replaced.
  std::optional<std::string> failed;
  // Files that hold their new version although the update failed, because
  // putting the old version back failed too.
  std::vector<std::string> left_new;
};

// Replaces every file or none: all new versions are written before any is put
// in place, and should a later rename fail, the files already replaced get
// their old contents back (a file that did not exist is removed again).
TogetherOutcome replace_files_together(const std::vector<FileUpdate>& updates);

// For tests: a check asked before every rename with the target's path; when it
// returns false the rename fails as if the system had refused it. An empty
// function ends the injection.
void set_rename_check_for_testing(std::function<bool(const std::string& target)> check);

}  // namespace league
