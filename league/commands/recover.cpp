#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "common/io/league_files.h"
#include "league/commands/command.h"
#include "league/store/journal_repair.h"

namespace league {

namespace {

struct RecoverOptions {
  bool keep_files = false;  // remove the damaged journal, every file left as it is
};

std::string_view state_text(HeldState state) {
  switch (state) {
    case HeldState::kOld:
      return "as it was before";
    case HeldState::kNew:
      return "as the change leaves it";
    case HeldState::kUnchanged:
      return "as it was, which the change leaves too";
    case HeldState::kNeither:
      return "neither as it was nor as the change leaves it";
    case HeldState::kUnknown:
      break;
  }
  return "unknown: the journal's bytes for it do not read";
}

// "history/journal of round 3, cut short after 2 of 5 changes:" and a line a file.
void report_files(const JournalRepair& repair, std::ostream& out) {
  out << repair.journal << (repair.what.empty() ? "" : " of " + repair.what) << ", "
      << (repair.altered ? "with a byte changed" : "cut short");
  if (repair.unread > 0)
    out << ", reads " << repair.files.size() << " of " << repair.files.size() + repair.unread
        << " changes";
  out << (repair.files.empty() ? ".\n" : ":\n");
  for (const JournalRepair::File& file : repair.files)
    out << "  " << file.path << ": " << state_text(file.state) << '\n';
}

std::string operation(const JournalRepair& repair) {
  return repair.what.empty() ? "the interrupted operation" : repair.what;
}

int recover(const RecoverOptions& options, CommandContext& context) {
  std::ostream& out = context.out;
  const std::optional<JournalRepair> repair = plan_journal_repair();
  if (!repair) {
    out << "Nothing to recover: no damaged " << kJournalFile << " or " << kRollbackFile << ".\n";
    return 0;
  }
  report_files(*repair, out);
  if (options.keep_files) {
    apply_or_fail(context.lock, "the removal of " + repair->journal, keep_files_changes(*repair));
    out << "Removed " << repair->journal
        << "; every file is left as it is (league check lists what disagrees with history/).\n";
    return 0;
  }
  if (repair->choice == RepairChoice::kUndecided) {
    fail({repair->journal, 0,
          "the files cannot tell whether " + operation(*repair) +
              " is to be completed or rolled back; nothing changed. Put each file listed as it "
              "should be by hand (history/ keeps before/ and after/ copies), then league "
              "recover --keep-files removes the journal"});
  }
  const bool complete = repair->choice == RepairChoice::kComplete;
  apply_or_fail(context.lock,
                (complete ? "the completion of " : "the rollback of ") + operation(*repair),
                repair->changes);
  out << (complete ? "Completed " : "Rolled back ") << operation(*repair)
      << " from what the files hold, and removed " << repair->journal << ".\n";
  return 0;
}

}  // namespace

CommandRun recover_command(CLI::App& command) {
  auto options = std::make_shared<RecoverOptions>();
  command.add_flag("--keep-files", options->keep_files,
                   "Remove the damaged journal and leave every file as it is");
  return [options](CommandContext& context) { return recover(*options, context); };
}

}  // namespace league
