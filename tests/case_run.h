#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace league::testing {

// How to start one tool for a whole-tool test.
struct ToolRun {
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

std::string read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, const std::string& contents);

// Every regular file below `root`, as paths relative to it, sorted.
std::vector<std::string> list_files(const std::filesystem::path& root);

// A fresh empty directory that is removed with the object.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& label);
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace league::testing
