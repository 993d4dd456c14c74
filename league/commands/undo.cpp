#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <ostream>

#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/text/spaces.h"
#include "common/text/wording.h"
#include "league/commands/command.h"
#include "league/publish/adjustment_text.h"
#include "league/season/round_fixtures.h"
#include "league/store/adjustments.h"
#include "league/store/history.h"
#include "league/store/reading.h"
#include "league/store/season_files.h"
#include "league/store/withdrawals.h"

namespace league {

namespace {

std::string capitalised(std::string text) {
  if (!text.empty() && text.front() >= 'a' && text.front() <= 'z') text.front() -= 'a' - 'A';
  return text;
}

// Round n of history/ named by the rounds of fixtures.txt ("Round 7"), or
// by n without fixtures.txt.
std::string round_heading(int round) {
  std::vector<AppliedMatch> matches;
  const std::vector<AppliedMatch> applied = applied_matches();
  for (const AppliedMatch& match : applied) {
    if (match.round == round) matches.push_back(match);
  }
  const auto file = read_league_file_bytes(kFixturesFile);
  if (!file) return "Round " + std::to_string(round);
  const Fixtures fixtures = read_fixtures(file->text).fixtures;
  return results_heading(matches, season_schedule(fixtures, applied), round);
}

struct UndoOptions {
  bool force = false;  // undo even when a file changed after the entry
};

// A name in the league folder, free so far, for the text results.txt held
// before the undo put round n's results in its place.
std::string name_for_kept_results(int round) {
  const std::string stem = "results-before-undo-" + std::to_string(round);
  std::string name = stem + ".txt";
  for (int copy = 2; path_exists(name); ++copy) name = stem + "-" + std::to_string(copy) + ".txt";
  return name;
}

// Why a kept copy cannot be put back.
Diagnostic unreadable(const HistoryEntry& entry, const std::string& which,
                      const std::string& path) {
  if (entry.kind == HistoryEntry::Kind::kAdjustment)
    return {path, 0,
            "is missing or cannot be read; league undo needs it to undo " + which +
                ". Nothing changed"};
  return {path, 0,
          std::string(path_exists(path) ? "cannot be read" : "is missing") +
              "; league undo needs it to undo " + which + ". Nothing changed"};
}

// Files no longer as the entry left them, which only --force puts back.
Diagnostic changed_since(const HistoryEntry& entry, const std::string& which,
                         const std::vector<std::string>& changed) {
  if (entry.kind == HistoryEntry::Kind::kAdjustment)
    return {kTableFile, 0,
            "changed after " + which + " was made; nothing changed. To put back " + kTableFile +
                " as it was before that adjustment all the same: league undo --force"};
  const std::string others =
      changed.size() == 1 ? ""
                          : " (and so " + std::string(changed.size() == 2 ? "was " : "were ") +
                                name_list({changed.begin() + 1, changed.end()}) + ")";
  return {changed.front(), 0,
          "changed after " + which +
              (entry.kind == HistoryEntry::Kind::kRound ? " was applied" : " was made") + others +
              "; nothing changed. To put back the files as they were before " + which +
              " all the same: league undo --force"};
}

// A round's results go back to results.txt, to be corrected and applied
// again; other text found there is kept under a name of its own.
void put_back_results(const HistoryEntry& entry, std::vector<FileChange>& changes,
                      std::optional<std::string>& kept_as) {
  // The results as they were typed, when the round kept them apart.
  std::string path = entry.dir() + "/" + kResultsFile;
  auto results = read_whole_file(entry.dir() + "/" + kTypedResultsFile);
  if (!results) results = read_whole_file(path);
  if (!results) fail(unreadable(entry, "round " + std::to_string(entry.round), path));
  const auto typed = read_whole_file(kResultsFile);
  if (typed && *typed != *results) {
    kept_as = name_for_kept_results(entry.round);
    changes.push_back({*kept_as, *typed});
  }
  changes.push_back({kResultsFile, *results});
}

void report_round(std::ostream& out, const std::string& which,
                  const std::vector<std::string>& restored,
                  const std::optional<std::string>& kept_as) {
  out << capitalised(which) << " undone: " << name_list(restored)
      << (restored.size() == 1 ? " is" : " are") << " back as before it, and " << kResultsFile
      << " holds its results again.\n";
  if (kept_as) out << "What " << kResultsFile << " held before is kept in " << *kept_as << ".\n";
  if (const int last = last_round(); last > 0)
    out << "The last round in history is now round " << last << ".\n";
}

// What a fixture change's `change` file says: "Ashford - Fenwick moved to 2027-02-24".
std::string fixture_change_text(const HistoryEntry& entry) {
  const auto text = read_whole_file(entry.dir() + "/" + kFixtureChangeFile);
  if (!text) return "the fixture change in " + entry.dir();
  std::string line = *text;
  std::replace(line.begin(), line.end(), '\n', ' ');
  return "the change of " + std::string(trimmed(line));
}

void report_withdrawal(std::ostream& out, const std::string& which,
                       const std::vector<std::string>& restored) {
  out << "Undone: " << which << "; it is back in the season";
  if (!restored.empty())
    out << ", and " << name_list(restored) << (restored.size() == 1 ? " is" : " are")
        << " back as before it";
  out << ".\n";
}

// "the withdrawal of Carrow".
std::string withdrawal_name(const HistoryEntry& entry) {
  const std::string file = entry.dir() + "/" + kWithdrawalFile;
  const auto text = read_whole_file(file);
  if (!text) return "the withdrawal in " + entry.dir();
  const WithdrawalFileRead withdrawal = read_withdrawal_file(*text, file);
  if (withdrawal.problem) return "the withdrawal in " + entry.dir();
  return "the withdrawal of " + withdrawal.withdrawal.team;
}

void report_adjustment(std::ostream& out, const AdjustmentFileRead& read) {
  out << "Adjustment undone: ";
  if (!read.problem) {
    out << read.adjustment.team << " " << signed_points(read.adjustment.points) << " ("
        << read.adjustment.reason << "); ";
  }
  out << kTableFile << " is back as before it.\n";
}

// How undo names the entry: the round as fixtures.txt numbers it, an
// award, an adjustment or a fixture change.
std::string entry_name(const HistoryEntry& entry, const AdjustmentFileRead& read) {
  switch (entry.kind) {
    case HistoryEntry::Kind::kRound: {
      const std::string heading = round_heading(entry.round);
      if (awarded_reason(entry.round)) return "the award of " + heading;
      return heading.rfind("Round ", 0) == 0 ? "round " + heading.substr(6) : heading;
    }
    case HistoryEntry::Kind::kFixtureChange:
      return fixture_change_text(entry);
    case HistoryEntry::Kind::kWithdrawal:
      return withdrawal_name(entry);
    case HistoryEntry::Kind::kAdjustment:
      break;
  }
  return read.problem ? "the adjustment in " + entry.dir()
                      : "the adjustment of " + read.adjustment.team + "'s points";
}

int undo_entry(const UndoOptions& options, CommandContext& context) {
  const std::optional<HistoryEntry> entry = last_entry();
  if (!entry) fail({kHistoryDir, 0, "holds no round to undo; nothing changed"});
  const bool round = entry->kind == HistoryEntry::Kind::kRound;
  const bool awarded = round && awarded_reason(entry->round);
  const AdjustmentFileRead read = entry->kind == HistoryEntry::Kind::kAdjustment
                                      ? read_recorded_adjustment(entry->round, entry->number)
                                      : AdjustmentFileRead{};
  const std::string which = entry_name(*entry, read);

  // Every file the entry wrote must be there in both versions, or the undo
  // cannot put it back; one that no longer holds what the entry left needs --force.
  const UndoPlan plan = plan_undo(*entry);
  if (plan.unreadable) fail(unreadable(*entry, which, *plan.unreadable));
  if (plan.damaged)
    fail({plan.damaged->file, plan.damaged->line,
          plan.damaged->what + "; league undo would put back a damaged file to undo " + which +
              ". Nothing changed"});
  std::vector<FileChange> changes;
  std::vector<std::string> changed;
  std::vector<std::string> restored;
  for (const UndoPlan::File& file : plan.files) {
    if (read_whole_file(file.name) != file.after) changed.push_back(file.name);
    changes.push_back({file.name, file.before});
    restored.push_back(file.name);
  }
  if (!changed.empty() && !options.force) fail(changed_since(*entry, which, changed));
  std::optional<std::string> kept_as;
  if (round && !awarded) put_back_results(*entry, changes, kept_as);
  for (FileChange& removal : folder_removal_changes(entry->dir()))
    changes.push_back(std::move(removal));
  apply_or_fail(context.lock, "the undo of " + which, changes);
  if (round && !awarded)
    report_round(context.out, which, restored, kept_as);
  else if (entry->kind == HistoryEntry::Kind::kAdjustment)
    report_adjustment(context.out, read);
  else if (entry->kind == HistoryEntry::Kind::kWithdrawal)
    report_withdrawal(context.out, which, restored);
  else
    context.out << capitalised(which) << " undone: " << name_list(restored)
                << (restored.size() == 1 ? " is" : " are") << " back as before it.\n";
  return 0;
}

}  // namespace

CommandRun undo_command(CLI::App& command) {
  auto options = std::make_shared<UndoOptions>();
  command.add_flag("--force", options->force, "Undo even when a file was changed after that round");
  return [options](CommandContext& context) { return undo_entry(*options, context); };
}

}  // namespace league
