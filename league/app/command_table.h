#pragma once

#include <span>

#include "league/commands/command.h"

namespace league {

// Whether a command may change the league folder, which decides whether it
// needs the folder's lock to run.
enum class Changes {
  kNothing,           // it only reads
  kFiles,             // it changes files
  kFilesWhenArgued,   // it changes files when given a positional argument
  kFilesPastJournal,  // it changes files, and runs even when the journal is damaged
};

// One subcommand of `league`: a row of the command table. Adding a command
// is adding its row and its file in commands/, whose setup function adds the
// command's options to its CLI11 subcommand and returns what runs it.
struct CommandRow {
  const char* name;
  const char* help;
  Changes changes;
  CommandRun (*setup)(CLI::App& command);
};

// Every subcommand, in the order `league --help` lists them.
std::span<const CommandRow> command_table();

}  // namespace league
