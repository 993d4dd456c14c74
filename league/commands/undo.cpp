#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/text/wording.h"
#include "league/commands/command.h"
#include "league/store/adjustments.h"
#include "league/store/history.h"
#include "league/store/transaction.h"

namespace league {

namespace {

struct UndoOptions {
  bool force = false;  // undo even when a file changed after the entry
};

// How `league undo` words the undo of one kind of history entry, and what it
// does beyond putting the entry's files back.
struct EntryUndo {
  std::string what;  // "round 3", "the adjustment of Carrow's points"
  std::function<Diagnostic(const std::string& path)> unreadable;
  std::function<Diagnostic(const std::vector<std::string>& changed)> changed;
  // Adds the changes beyond the files put back; prints what was done.
  std::function<void(std::vector<FileChange>& changes)> more = [](std::vector<FileChange>&) {};
  std::function<void(std::ostream& out, const std::vector<std::string>& restored)> done;
};

// A name in the league folder, free so far, for the text results.txt held
// before the undo put round n's results in its place.
std::string name_for_kept_results(int round) {
  const std::string stem = "results-before-undo-" + std::to_string(round);
  std::string name = stem + ".txt";
  for (int copy = 2; path_exists(name); ++copy) name = stem + "-" + std::to_string(copy) + ".txt";
  return name;
}

// A round's results go back to results.txt, to be corrected and applied
// again; other text found there is kept under a name of its own.
void put_back_results(const HistoryEntry& entry, std::vector<FileChange>& changes,
                      std::optional<std::string>& kept_as) {
  const std::string path = entry.dir() + "/" + kResultsFile;
  const auto results = read_whole_file(path);
  if (!results) {
    fail({path, 0,
          std::string(path_exists(path) ? "cannot be read" : "is missing") +
              "; league undo needs it to undo round " + std::to_string(entry.round) +
              ". Nothing changed"});
  }
  const auto typed = read_whole_file(kResultsFile);
  if (typed && *typed != *results) {
    kept_as = name_for_kept_results(entry.round);
    changes.push_back({*kept_as, *typed});
  }
  changes.push_back({kResultsFile, *results});
}

EntryUndo round_undo(const HistoryEntry& entry) {
  const std::string round = std::to_string(entry.round);
  auto kept_as = std::make_shared<std::optional<std::string>>();
  EntryUndo undo;
  undo.what = "round " + round;
  undo.unreadable = [round](const std::string& path) {
    return Diagnostic{path, 0,
                      std::string(path_exists(path) ? "cannot be read" : "is missing") +
                          "; league undo needs it to undo round " + round + ". Nothing changed"};
  };
  undo.changed = [round](const std::vector<std::string>& changed) {
    const std::string others =
        changed.size() == 1 ? ""
                            : " (and so " + std::string(changed.size() == 2 ? "was " : "were ") +
                                  name_list({changed.begin() + 1, changed.end()}) + ")";
    return Diagnostic{changed.front(), 0,
                      "changed after round " + round + " was applied" + others +
                          "; nothing changed. To put back the files as they were before round " +
                          round + " all the same: league undo --force"};
  };
  undo.more = [entry, kept_as](std::vector<FileChange>& changes) {
    put_back_results(entry, changes, *kept_as);
  };
  undo.done = [round, kept_as](std::ostream& out, const std::vector<std::string>& restored) {
    out << "Round " << round << " undone: " << name_list(restored)
        << (restored.size() == 1 ? " is" : " are") << " back as before it, and " << kResultsFile
        << " holds its results again.\n";
    if (*kept_as)
      out << "What " << kResultsFile << " held before is kept in " << **kept_as << ".\n";
    const std::vector<int> rounds = recorded_rounds();
    if (!rounds.empty()) out << "The last round in history is now round " << rounds.back() << ".\n";
  };
  return undo;
}

EntryUndo adjustment_undo(const HistoryEntry& entry) {
  const AdjustmentFileRead read = read_recorded_adjustment(entry.round, entry.number);
  const std::string which = read.problem
                                ? "the adjustment in " + entry.dir()
                                : "the adjustment of " + read.adjustment.team + "'s points";
  EntryUndo undo;
  undo.what = which;
  undo.unreadable = [which](const std::string& path) {
    return Diagnostic{path, 0,
                      "is missing or cannot be read; league undo needs it to undo " + which +
                          ". Nothing changed"};
  };
  undo.changed = [which](const std::vector<std::string>&) {
    return Diagnostic{kTableFile, 0,
                      "changed after " + which + " was made; nothing changed. To put back " +
                          kTableFile +
                          " as it was before that adjustment all the same: league undo --force"};
  };
  undo.done = [read](std::ostream& out, const std::vector<std::string>&) {
    out << "Adjustment undone: ";
    if (!read.problem) {
      out << read.adjustment.team << " " << signed_points(read.adjustment.points) << " ("
          << read.adjustment.reason << "); ";
    }
    out << kTableFile << " is back as before it.\n";
  };
  return undo;
}

int undo_entry(const UndoOptions& options, CommandContext& context) {
  const std::optional<HistoryEntry> entry = last_entry();
  if (!entry) fail({kHistoryDir, 0, "holds no round to undo; nothing changed"});
  const EntryUndo undo =
      entry->kind == HistoryEntry::Kind::kRound ? round_undo(*entry) : adjustment_undo(*entry);

  // Every file the entry wrote must be there in both versions, or the undo
  // cannot put it back; one that no longer holds what the entry left needs --force.
  const UndoPlan plan = plan_undo(*entry);
  if (plan.unreadable) fail(undo.unreadable(*plan.unreadable));
  std::vector<FileChange> changes;
  std::vector<std::string> changed;
  std::vector<std::string> restored;
  for (const UndoPlan::File& file : plan.files) {
    if (read_whole_file(file.name) != file.after) changed.push_back(file.name);
    changes.push_back({file.name, file.before});
    restored.push_back(file.name);
  }
  if (!changed.empty() && !options.force) fail(undo.changed(changed));
  undo.more(changes);
  for (FileChange& removal : folder_removal_changes(entry->dir()))
    changes.push_back(std::move(removal));
  if (const auto failed = apply_transaction(context.lock, "the undo of " + undo.what, changes))
    fail(*failed);
  undo.done(context.out, restored);
  return 0;
}

}  // namespace

CommandRun undo_command(CLI::App& command) {
  auto options = std::make_shared<UndoOptions>();
  command.add_flag("--force", options->force, "Undo even when a file was changed after that round");
  return [options](CommandContext& context) { return undo_entry(*options, context); };
}

}  // namespace league
