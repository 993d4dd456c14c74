#include "league/app/run_league.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

#include "common/console/tool_error.h"
#include "common/io/league_files.h"
#include "common/text/near_match.h"
#include "common/text/wording.h"
#include "league/app/command_table.h"
#include "league/store/folder_lock.h"
#include "league/store/transaction.h"

namespace league {

namespace {

// A command word that is no command: named, with the command meant.
bool unknown_command(const std::vector<std::string>& args, std::ostream& err) {
  if (args.empty() || args.front().empty() || args.front().front() == '-') return false;
  std::vector<std::string> commands;
  for (const CommandRow& row : command_table()) commands.emplace_back(row.name);
  if (std::find(commands.begin(), commands.end(), args.front()) != commands.end()) return false;
  std::string message = "league " + args.front() + ": no such command";
  if (const auto meant = near_match(args.front(), commands))
    message += "; did you mean " + *meant + "?";
  err << message << " (league --help lists them)\n";
  return true;
}

bool changes_files(const CommandRow& row, const CLI::App& command) {
  if (row.changes != Changes::kFilesWhenArgued) return row.changes != Changes::kNothing;
  const auto options = command.get_options();
  return std::any_of(options.begin(), options.end(), [](const CLI::Option* option) {
    return option->get_positional() && option->count() > 0;
  });
}

// One command at a time in a league folder, and first of all what an
// interrupted one left is completed or rolled back. The exit status when the
// command may not run.
std::optional<int> ready_folder(FolderLock& lock, bool changes, bool past_journal,
                                std::ostream& out, std::ostream& err) {
  switch (lock.state()) {
    case FolderLock::State::kBusy:
      err << describe({kLockFile, 0,
                       "another league command is running in this folder; nothing changed"})
          << '\n';
      return 1;
    case FolderLock::State::kUnavailable:
      // A folder this account cannot write to needs no lock to be read,
      // unless a killed run left it half changed.
      if (const auto unrecovered =
              unrecovered_run("history/lock cannot be taken: " + lock.reason())) {
        err << describe(*unrecovered) << '\n';
        return 1;
      }
      if (!changes) return std::nullopt;
      err << describe({kLockFile, 0, "cannot be created (" + lock.reason() + "); nothing changed"})
          << '\n';
      return 1;
    case FolderLock::State::kHeld:
      break;
  }
  const Recovery recovery = recover_interrupted(lock);
  if (!recovery.removed.empty()) {
    out << "Removed " << name_list(recovery.removed)
        << (recovery.removed.size() == 1 ? ", a temporary file" : ", temporary files")
        << " that an interrupted run left behind.\n";
  }
  if (!recovery.removed_folders.empty()) {
    out << "Removed " << name_list(recovery.removed_folders)
        << (recovery.removed_folders.size() == 1 ? ", an empty folder" : ", empty folders")
        << " that an interrupted run left behind.\n";
  }
  if (recovery.report) out << *recovery.report << '\n';
  // league recover itself reports a journal that does not read.
  const std::string& failed = recovery.failure ? recovery.failure->file : std::string();
  if (!recovery.failure || (past_journal && (failed == kJournalFile || failed == kRollbackFile)))
    return std::nullopt;
  out.flush();
  err << describe(*recovery.failure) << '\n';
  return 1;
}

// Runs the command; a fatal condition ends it with a message and status 1.
int run_command(const CommandRun& run, CommandContext& context, std::ostream& err) {
  try {
    return run(context);
  } catch (const ToolError& error) {
    context.out.flush();
    err << error.message() << '\n';
  } catch (const std::exception& error) {
    // Anything else (memory, the file system refusing a folder) ends the
    // command as cleanly: a message and status 1, never an abort.
    context.out.flush();
    err << "league: " << error.what() << '\n';
  }
  return 1;
}

}  // namespace

int run_league(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app{
      "Keeps a league's season around the four tools: starts it, draws its fixtures,\n"
      "plays each round safely with a history to undo it, checks the files and\n"
      "publishes the standings.",
      "league"};
  app.set_version_flag("--version", std::string("league ") + LEAGUE_VERSION);
  app.require_subcommand(1);
  std::vector<std::pair<CLI::App*, CommandRun>> commands;
  for (const CommandRow& row : command_table()) {
    CLI::App* command = app.add_subcommand(row.name, row.help);
    commands.emplace_back(command, row.setup(*command));
  }
  if (unknown_command(args, err)) return 1;

  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    // --help and --version end here with 0; a mistake in the arguments with 1.
    return app.exit(error, out, err) == 0 ? 0 : 1;
  }
  for (std::size_t i = 0; i < commands.size(); ++i) {
    if (!*commands[i].first) continue;
    FolderLock lock;
    const CommandRow& row = command_table()[i];
    const bool changes = changes_files(row, *commands[i].first);
    const bool past_journal = row.changes == Changes::kFilesPastJournal;
    if (const auto status = ready_folder(lock, changes, past_journal, out, err)) return *status;
    CommandContext context{lock, out};
    return run_command(commands[i].second, context, err);
  }
  return 1;
}

}  // namespace league
