#include <ostream>

#include "common/console/tool_error.h"
#include "common/io/file_replacement.h"
#include "common/io/whole_file.h"
#include "league/commands.h"
#include "league/history.h"
#include "league/messages.h"

namespace league {

int undo_round(const UndoOptions& options, std::ostream& out) {
  const std::vector<int> rounds = recorded_rounds();
  if (rounds.empty()) fail({kHistoryDir, 0, "holds no round to undo; nothing changed"});
  const int round = rounds.back();
  const std::string dir = round_dir(round);

  // The files the round wrote, their versions from before it, and those that
  // no longer hold what the round left.
  std::vector<FileUpdate> restore;
  std::vector<std::string> changed;
  for (const std::string& file : round_files()) {
    const auto after = read_round_file(round, "after/" + file);
    if (!after) continue;
    auto before = read_round_file(round, "before/" + file);
    if (!before) fail({dir + "/before/" + file, 0, "cannot be opened; nothing changed"});
    if (read_whole_file(file) != after) changed.push_back(file);
    restore.push_back({file, std::move(*before)});
  }
  if (!changed.empty() && !options.force) {
    const std::string others =
        changed.size() == 1 ? ""
                            : " (and so " + std::string(changed.size() == 2 ? "was " : "were ") +
                                  name_list({changed.begin() + 1, changed.end()}) + ")";
    fail({changed.front(), 0,
          "changed after round " + std::to_string(round) + " was applied" + others +
              "; nothing changed. To put back the files as they were before round " +
              std::to_string(round) + " all the same: league undo --force"});
  }

  const TogetherOutcome outcome = replace_files_together(restore);
  if (outcome.failed) {
    if (!outcome.left_new.empty()) {
      fail({*outcome.failed, 0,
            "cannot be written, and " + name_list(outcome.left_new) + " could not be put back; " +
                dir + "/after keeps the versions of round " + std::to_string(round)});
    }
    fail({*outcome.failed, 0, "cannot be written; nothing changed"});
  }
  if (!remove_round(round)) {
    fail({dir + "/applied", 0,
          "cannot be removed, though the files are back as they were before round " +
              std::to_string(round) + ": remove " + dir + " by hand"});
  }

  std::vector<std::string> restored;
  for (const FileUpdate& file : restore) restored.push_back(file.path);
  out << "Round " << round << " undone: " << name_list(restored)
      << (restored.size() == 1 ? " is" : " are") << " back as before it.\n";
  if (rounds.size() > 1)
    out << "The last round in history is now round " << rounds[rounds.size() - 2] << ".\n";
  return 0;
}

}  // namespace league
