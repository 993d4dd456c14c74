#include "league/publish/published_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/io/file_replacement.h"
#include "common/io/whole_file.h"
#include "common/text/wording.h"

namespace league {

namespace {

namespace fs = std::filesystem;

bool starts_with(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

bool holds(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// The folder holding `path`, as the path names it: "" for the current one.
fs::path folder_of(const std::string& path) {
  return fs::path(path).parent_path();
}

// The outermost folder of `folder` that is missing.
fs::path outermost_missing(fs::path folder) {
  std::error_code error;
  while (folder.has_parent_path() && folder.parent_path() != folder &&
         !fs::exists(folder.parent_path(), error))
    folder = folder.parent_path();
  return folder;
}

bool is_league_folder(const fs::path& folder) {
  std::error_code error;
  return folder.empty() || fs::equivalent(folder, ".", error);
}

}  // namespace

bool written_by_publish(std::string_view contents) {
  const std::string generator(kPublishGenerator);
  // Pages and JSON that publish wrote before they carried the mark are known
  // by their footer and by their first key.
  return holds(contents, "<meta name=\"generator\" content=\"" + generator + "\">") ||
         holds(contents, "Published with <code>" + generator + "</code>") ||
         holds(contents, "\"generator\": \"" + generator + "\"") ||
         starts_with(contents, "{\n  \"adjustments\": [") ||
         holds(contents, "\nPRODID:-//league-tools//league fixtures//EN\r\n");
}

std::optional<Diagnostic> check_output_place(const std::string& path, bool force) {
  std::error_code error;
  const fs::path folder = folder_of(path);
  if (!folder.empty() && !fs::is_directory(folder, error)) {
    if (fs::exists(folder, error))
      return Diagnostic{path, 0, "cannot be written: " + folder.generic_string() + " is no folder"};
    return Diagnostic{path, 0,
                      "cannot be written: the folder " +
                          outermost_missing(folder).generic_string() +
                          " does not exist; create it first"};
  }
  const fs::file_status status = fs::status(path, error);
  if (!fs::exists(status)) return std::nullopt;
  if (fs::is_directory(status)) return Diagnostic{path, 0, "is a folder; publish to a file"};
  if (force) return std::nullopt;
  const auto contents = read_whole_file(path);
  if (!contents) return Diagnostic{path, 0, "cannot be read"};
  if (written_by_publish(*contents)) return std::nullopt;
  return Diagnostic{path, 0,
                    "exists and is no page, JSON or calendar that league publish wrote; publish "
                    "to another name, or add --force to replace it"};
}

std::vector<std::string> remove_output_temporaries(const std::vector<std::string>& paths) {
  std::vector<fs::path> folders;
  for (const std::string& path : paths) {
    const fs::path folder = folder_of(path);
    if (is_league_folder(folder)) continue;
    if (std::find(folders.begin(), folders.end(), folder) == folders.end())
      folders.push_back(folder);
  }
  std::vector<std::string> removed;
  for (const fs::path& folder : folders) {
    for (const fs::path& path : remove_temporary_files_in(folder.string()))
      removed.push_back(path.generic_string());
  }
  return removed;
}

std::optional<Diagnostic> replace_outputs(FolderLock& lock,
                                          const std::vector<FileChange>& outputs) {
  if (lock.state() == FolderLock::State::kHeld) return apply_transaction(lock, "publish", outputs);
  std::vector<FileUpdate> updates;
  for (const FileChange& output : outputs) updates.push_back({output.path, *output.contents});
  const TogetherOutcome outcome = replace_files_together(updates);
  if (!outcome.failed) return std::nullopt;
  if (outcome.left_new.empty())
    return Diagnostic{*outcome.failed, 0, "cannot be written; nothing changed"};
  return Diagnostic{*outcome.failed, 0,
                    "cannot be written, and " + name_list(outcome.left_new) +
                        " could not be given back the old contents"};
}

}  // namespace league
