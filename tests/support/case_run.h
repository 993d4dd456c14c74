#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"

namespace league::testing {

// How to start one tool for a whole-tool test.
struct ToolRun {
  std::vector<std::string> launcher;  // words put before the program, e.g. {"/usr/bin/wine"}
  std::filesystem::path program;
  std::vector<std::string> args;
  std::filesystem::path directory;  // the working directory: a scratch league
  std::string input;                // all of standard input
  std::vector<std::string> env;     // NAME=VALUE; PATH is always added
  long long file_size_limit = -1;   // bytes a file may grow to (SIGXFSZ ignored); -1 none
  int timeout_seconds = 20;
};

struct ToolOutcome {
  int status = -1;  // exit status, or -1 when killed by a signal or the timeout
  std::string output;
};

ToolOutcome run_tool(const ToolRun& run);

// Runs `program` in `dir` with `args` and `input`; standard error is joined to
// the output, in the order the program wrote them.
ToolOutcome run_joined(const std::filesystem::path& dir, const std::filesystem::path& program,
                       const std::vector<std::string>& args, const std::string& input = "");

// A tool started in the background, for tests that interrupt it.
class StartedTool {
 public:
  explicit StartedTool(const ToolRun& run);
  ~StartedTool();
  StartedTool(const StartedTool&) = delete;
  StartedTool& operator=(const StartedTool&) = delete;

  // Kills the tool with SIGKILL (if it still runs) and reaps it.
  void kill();
  // Waits for the tool to end (killing it after the run's timeout); its outcome.
  ToolOutcome wait();

 private:
  // Reads what the tool has written to its standard output so far.
  void drain();

  ScratchDir io_{"tool-io"};
  int timeout_seconds_;
  int pid_ = -1;
  int wait_status_ = 0;
  int out_fd_ = -1;
  std::string output_;
};

std::string read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, const std::string& contents);

// Every regular file below `root`, as paths relative to it, sorted.
std::vector<std::string> list_files(const std::filesystem::path& root);

// Every regular file below `root` with its contents, by its path relative to it.
using FolderContents = std::map<std::string, std::string>;
FolderContents folder_contents(const std::filesystem::path& root);

// The fixtures of a fixtures.txt by round number: its date and each match as
// "HOME - AWAY", names in the one-word form.
struct FixtureRoundText {
  std::string date;
  std::vector<std::string> fixtures;
};
std::map<int, FixtureRoundText> fixture_rounds(const std::string& fixtures_txt);

}  // namespace league::testing
