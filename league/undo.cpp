#include <filesystem>
#include <ostream>
#include <system_error>

#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "league/adjustments.h"
#include "league/commands.h"
#include "league/history.h"
#include "league/messages.h"
#include "league/transaction.h"

namespace league {

namespace {

namespace fs = std::filesystem;

bool exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

// Whether round n's folder holds a file of this name.
bool kept(int round, const std::string& name) {
  return exists(round_dir(round) + "/" + name);
}

// A file of round n's folder that the undo needs; its absence ends the undo.
std::string needed(int round, const std::string& name) {
  auto bytes = read_round_file(round, name);
  if (bytes) return std::move(*bytes);
  fail({round_dir(round) + "/" + name, 0,
        std::string(kept(round, name) ? "cannot be read" : "is missing") +
            "; league undo needs it to undo round " + std::to_string(round) + ". Nothing changed"});
}

// A name in the league folder, free so far, for the text results.txt held
// before the undo put round n's results in its place.
std::string name_for_kept_results(int round) {
  const std::string stem = "results-before-undo-" + std::to_string(round);
  std::string name = stem + ".txt";
  for (int copy = 2; exists(name); ++copy) name = stem + "-" + std::to_string(copy) + ".txt";
  return name;
}

}  // namespace

int undo_round(const UndoOptions& options, std::ostream& out) {
  const std::vector<int> rounds = recorded_rounds();
  // Adjustments kept under the last round came after it: they go back first.
  if (const int last = rounds.empty() ? 0 : rounds.back(); !recorded_adjustments(last).empty())
    return undo_adjustment(last, options, out);
  if (rounds.empty()) fail({kHistoryDir, 0, "holds no round to undo; nothing changed"});
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
    const std::string others =
        changed.size() == 1 ? ""
                            : " (and so " + std::string(changed.size() == 2 ? "was " : "were ") +
                                  name_list({changed.begin() + 1, changed.end()}) + ")";
    fail({changed.front(), 0,
          "changed after round " + std::to_string(round) + " was applied" + others +
              "; nothing changed. To put back the files as they were before round " +
              std::to_string(round) + " all the same: league undo --force"});
  }
  std::vector<std::string> restored;
  for (const FileChange& change : changes) restored.push_back(change.path);

  // The round's results go back to results.txt, to be corrected and applied
  // again; other text found there is kept under a name of its own.
  const std::string results = needed(round, kResultsFile);
  const auto typed = read_whole_file(kResultsFile);
  std::optional<std::string> kept_as;
  if (typed && *typed != results) {
    kept_as = name_for_kept_results(round);
    changes.push_back({*kept_as, *typed});
  }
  changes.push_back({kResultsFile, results});

  for (FileChange& removal : round_removal_changes(round)) changes.push_back(std::move(removal));
  if (const auto failed = apply_transaction("the undo of round " + std::to_string(round), changes))
    fail(*failed);

  out << "Round " << round << " undone: " << name_list(restored)
      << (restored.size() == 1 ? " is" : " are") << " back as before it, and " << kResultsFile
      << " holds its results again.\n";
  if (kept_as) out << "What " << kResultsFile << " held before is kept in " << *kept_as << ".\n";
  if (rounds.size() > 1)
    out << "The last round in history is now round " << rounds[rounds.size() - 2] << ".\n";
  return 0;
}

}  // namespace league
