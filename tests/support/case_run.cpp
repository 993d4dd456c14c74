#include "tests/support/case_run.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace league::testing {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void write_file(const fs::path& path, const std::string& contents) {
  std::ofstream out(path, std::ios::binary);
  out << contents;
}

std::vector<std::string> list_files(const fs::path& root) {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), root).string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

FolderContents folder_contents(const fs::path& root) {
  FolderContents files;
  for (const std::string& name : list_files(root)) files[name] = read_file(root / name);
  return files;
}

StartedTool::StartedTool(const ToolRun& run) : timeout_seconds_(run.timeout_seconds) {
  const fs::path in_path = io_.path() / "stdin";
  write_file(in_path, run.input);

  std::vector<std::string> words = run.launcher;
  words.push_back(run.program.string());
  words.insert(words.end(), run.args.begin(), run.args.end());
  std::vector<std::string> env{"PATH=/usr/bin:/bin"};
  env.insert(env.end(), run.env.begin(), run.env.end());
  std::vector<char*> argv;
  for (auto& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (auto& entry : env) envp.push_back(entry.data());
  envp.push_back(nullptr);

  // Standard output and standard error go through one pipe, not a file, so
  // that a file-size limit set for the tool's own files never cuts its console
  // output; the four tools print only to standard output, league's errors go
  // to standard error.
  int pipe_fds[2];
  if (::pipe2(pipe_fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    const int in = ::open(in_path.c_str(), O_RDONLY);
    if (in < 0 || ::dup2(in, 0) < 0 || ::dup2(pipe_fds[1], 1) < 0 || ::dup2(pipe_fds[1], 2) < 0 ||
        ::chdir(run.directory.c_str()) != 0) {
      ::_exit(127);
    }
    if (run.file_size_limit >= 0) {
      std::signal(SIGXFSZ, SIG_IGN);
      rlimit limit{};
      ::getrlimit(RLIMIT_FSIZE, &limit);
      limit.rlim_cur = static_cast<rlim_t>(run.file_size_limit);
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ::execve(argv[0], argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(pipe_fds[1]);
  out_fd_ = pipe_fds[0];
  ::fcntl(out_fd_, F_SETFL, O_NONBLOCK);
}

void StartedTool::drain() {
  while (out_fd_ >= 0) {
    char chunk[4096];
    const ssize_t got = ::read(out_fd_, chunk, sizeof chunk);
    if (got > 0) {
      output_.append(chunk, static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      if (got == 0) {
        ::close(out_fd_);
        out_fd_ = -1;
      }
      return;
    }
  }
}

StartedTool::~StartedTool() {
  kill();
}

void StartedTool::kill() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, &wait_status_, 0);
  pid_ = -1;
}

ToolOutcome StartedTool::wait() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeout_seconds_);
  while (pid_ > 0) {
    drain();
    if (::waitpid(pid_, &wait_status_, WNOHANG) == pid_) {
      pid_ = -1;
    } else if (std::chrono::steady_clock::now() > deadline) {
      kill();
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
  if (out_fd_ >= 0) {
    // The tool has ended: what is left in the pipe can be read to its end.
    ::fcntl(out_fd_, F_SETFL, 0);
    drain();
  }
  ToolOutcome outcome;
  if (WIFEXITED(wait_status_)) outcome.status = WEXITSTATUS(wait_status_);
  outcome.output = output_;
  return outcome;
}

ToolOutcome run_tool(const ToolRun& run) {
  return StartedTool(run).wait();
}

ToolOutcome run_joined(const std::filesystem::path& dir, const std::filesystem::path& program,
                       const std::vector<std::string>& args, const std::string& input) {
  ToolRun run;
  run.program = "/bin/sh";
  run.args = {"-c", "exec \"$0\" \"$@\" 2>&1", program.string()};
  run.args.insert(run.args.end(), args.begin(), args.end());
  run.directory = dir;
  run.input = input;
  return run_tool(run);
}

std::map<int, FixtureRoundText> fixture_rounds(const std::string& fixtures_txt) {
  std::map<int, FixtureRoundText> rounds;
  std::istringstream lines(fixtures_txt);
  int round = 0;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string first, second, third;
    words >> first >> second >> third;
    if (first == "Round") {
      round = std::stoi(second);
      rounds[round].date = third;
    } else if (second == "-") {
      rounds[round].fixtures.push_back(first + " - " + third);
    }
  }
  return rounds;
}

}  // namespace league::testing
