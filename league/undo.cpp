#include <filesystem>
#include <ostream>
#include <system_error>

#include "common/console/tool_error.h"
#include "common/io/whole_file.h"
#include "league/commands.h"
#include "league/history.h"
#include "league/messages.h"
#include "league/transaction.h"

namespace league {

namespace {

namespace fs = std::filesystem;

// Whether round n's folder holds a file of this name.
bool kept(int round, const std::string& name) {
  std::error_code error;
  return fs::exists(fs::symlink_status(round_dir(round) + "/" + name, error));
}

// A file of round n's folder that the undo needs; its absence ends the undo.
std::string needed(int round, const std::string& name) {
  auto bytes = read_round_file(round, name);
  if (bytes) return std::move(*bytes);
  throw ToolError(round_dir(round) + "/" + name + ": " +
                  (kept(round, name) ? "cannot be read" : "is missing") +
                  "; league undo needs it "
                  "to undo round " +
                  std::to_string(round) + ". Nothing changed.");
}

}  // namespace

int undo_round(const UndoOptions& options, std::ostream& out) {
  const std::vector<int> rounds = recorded_rounds();
  if (rounds.empty())
    throw ToolError(std::string(kHistoryDir) + "/ holds no round to undo; nothing changed.");
  const int round = rounds.back();

  // The files the round wrote, their versions from before it, and those that
  // no longer hold what the round left. Every file the round wrote must be
  // there in both versions, or the undo cannot put it back.
  std::vector<FileChange> changes;
  std::vector<std::string> changed;
  for (const std::string& file : round_files()) {
    if (file == kAttendancesFile && !kept(round, "after/" + file) && !kept(round, "before/" + file))
      continue;  // the league kept no attendances then
    const std::string after = needed(round, "after/" + file);
    if (read_whole_file(file) != after) changed.push_back(file);
    changes.push_back({file, needed(round, "before/" + file)});
  }
  if (!changed.empty() && !options.force) {
    throw ToolError(name_list(changed) + (changed.size() == 1 ? " was" : " were") +
                    " changed after round " + std::to_string(round) +
                    " was applied; nothing changed. To put back the files as they were before "
                    "round " +
                    std::to_string(round) + " all the same: league undo --force");
  }

  const std::size_t restored_count = changes.size();
  for (FileChange& removal : round_removal_changes(round)) changes.push_back(std::move(removal));
  if (const auto failed = apply_transaction("the undo of round " + std::to_string(round), changes))
    throw ToolError(describe(*failed));

  std::vector<std::string> restored;
  for (std::size_t i = 0; i < restored_count; ++i) restored.push_back(changes[i].path);
  out << "Round " << round << " undone: " << name_list(restored)
      << (restored.size() == 1 ? " is" : " are") << " back as before it.\n";
  if (rounds.size() > 1)
    out << "The last round in history is now round " << rounds[rounds.size() - 2] << ".\n";
  return 0;
}

}  // namespace league
