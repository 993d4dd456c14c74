// Runs every whole-tool case below this folder against the built tools.
//
// A case is a folder tests/<tool>/<case>/ holding:
//   in/            the league directory before the run (copied to a scratch folder)
//   args           optional, one argument per line
//   stdin          optional, all of standard input (missing: empty)
//   env            optional, NAME=VALUE lines; the environment holds only PATH besides
//   fsize          optional, a file-size limit in bytes for the run (SIGXFSZ ignored),
//                  to make every write beyond it fail as on a full disk
//   expect/status  the exit status
//   expect/stdout  the exact console output (standard output and standard error)
//   expect/files/  every file the run creates or changes, byte for byte
//   expect/removed optional, files of in/ that the run removes, one per line
//   expect/stamped optional, files the run creates that hold the time of the run
//                  ("2026-12-07 18:20" and a line end), one per line: only that form
//                  is compared
//   expect/random  optional, files the run creates that hold a fresh identifier
//                  (16 hex digits and a line end), one per line: only that form is
//                  compared
// Every other file of in/ must be left exactly as it was, and any other file left
// in the directory fails the case.
//
// The cases run against the tools built beside this test unless the environment
// names other programs, such as the Windows build run through Wine:
//   LEAGUE_TOOLS_DIR       the folder of the programs
//   LEAGUE_TOOLS_LAUNCHER  words put before each program, split at blanks
//                          (e.g. "/usr/bin/env WINEDEBUG=-all /usr/lib/wine/wine64")
//   LEAGUE_TOOLS_WINDOWS   set: the programs are NAME.exe and write CR LF for each LF
//                          to the console, turned back before comparing. Under Wine
//                          the file-size limit holds as on Linux: no case is skipped.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "tests/support/case_run.h"

namespace league::testing {
namespace {

namespace fs = std::filesystem;

struct Case {
  std::string tool;
  fs::path dir;
};

// Shown by the test framework for a failing case instead of the object's bytes.
void PrintTo(const Case& c, std::ostream* out) {
  *out << c.dir.string();
}

struct Programs {
  fs::path dir = TOOLS_DIR;
  std::vector<std::string> launcher;
  bool windows = false;
};

const Programs& programs() {
  static const Programs chosen = [] {
    Programs p;
    if (const char* dir = std::getenv("LEAGUE_TOOLS_DIR")) p.dir = dir;
    if (const char* launcher = std::getenv("LEAGUE_TOOLS_LAUNCHER")) {
      std::istringstream words(launcher);
      for (std::string word; words >> word;) p.launcher.push_back(word);
    }
    p.windows = std::getenv("LEAGUE_TOOLS_WINDOWS") != nullptr;
    return p;
  }();
  return chosen;
}

// The output with every CR LF turned into the LF it was written as.
std::string without_carriage_returns(const std::string& text) {
  std::string lf;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n') lf += text[i];
  }
  return lf;
}

std::vector<Case> all_cases() {
  std::vector<Case> cases;
  for (const char* tool : {PROGRAMS}) {
    const fs::path root = fs::path(CASES_DIR) / tool;
    if (!fs::is_directory(root)) continue;
    for (const auto& entry : fs::directory_iterator(root)) {
      if (fs::is_directory(entry.path() / "expect")) cases.push_back({tool, entry.path()});
    }
  }
  std::sort(cases.begin(), cases.end(), [](const Case& a, const Case& b) { return a.dir < b.dir; });
  return cases;
}

std::vector<std::string> lines_of(const fs::path& path) {
  std::vector<std::string> lines;
  if (!fs::exists(path)) return lines;
  std::istringstream text(read_file(path));
  for (std::string line; std::getline(text, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

class ToolCase : public ::testing::TestWithParam<Case> {};

TEST_P(ToolCase, MatchesItsGoldenFiles) {
  const Case& c = GetParam();
  ScratchDir league("league-" + c.dir.filename().string());
  if (fs::exists(c.dir / "in")) {
    fs::copy(c.dir / "in", league.path(), fs::copy_options::recursive);
  }

  ToolRun run;
  run.launcher = programs().launcher;
  run.program = programs().dir / (c.tool + (programs().windows ? ".exe" : ""));
  run.args = lines_of(c.dir / "args");
  run.directory = league.path();
  if (fs::exists(c.dir / "stdin")) run.input = read_file(c.dir / "stdin");
  run.env = lines_of(c.dir / "env");
  if (fs::exists(c.dir / "fsize")) run.file_size_limit = std::stoll(read_file(c.dir / "fsize"));

  ToolOutcome outcome = run_tool(run);
  if (programs().windows) outcome.output = without_carriage_returns(outcome.output);
  EXPECT_EQ(outcome.status, std::stoi(read_file(c.dir / "expect" / "status")));
  EXPECT_EQ(outcome.output, read_file(c.dir / "expect" / "stdout"));

  // What the directory must hold: in/ as it was, less what is removed, with
  // the created and changed files of expect/files over it.
  const fs::path in_root = c.dir / "in";
  const fs::path changed_root = c.dir / "expect" / "files";
  std::map<std::string, fs::path> expected;
  if (fs::exists(in_root)) {
    for (const std::string& file : list_files(in_root)) expected[file] = in_root / file;
  }
  for (const std::string& file : lines_of(c.dir / "expect" / "removed")) expected.erase(file);
  if (fs::exists(changed_root)) {
    for (const std::string& file : list_files(changed_root)) expected[file] = changed_root / file;
  }
  const std::vector<std::string> stamped = lines_of(c.dir / "expect" / "stamped");
  for (const std::string& file : stamped) expected[file] = fs::path();
  const std::vector<std::string> random = lines_of(c.dir / "expect" / "random");
  for (const std::string& file : random) expected[file] = fs::path("random");
  std::vector<std::string> expected_names;
  for (const auto& [file, source] : expected) expected_names.push_back(file);
  EXPECT_EQ(list_files(league.path()), expected_names);
  for (const auto& [file, source] : expected) {
    if (source == "random") {
      EXPECT_TRUE(std::regex_match(read_file(league.path() / file), std::regex("[0-9a-f]{16}\n")))
          << file;
    } else if (source.empty()) {
      const std::regex stamp("[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}\n");
      EXPECT_TRUE(std::regex_match(read_file(league.path() / file), stamp)) << file;
    } else {
      EXPECT_EQ(read_file(league.path() / file), read_file(source)) << file;
    }
  }
}

std::string case_name(const ::testing::TestParamInfo<Case>& info) {
  std::string name = info.param.tool + "_" + info.param.dir.filename().string();
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, ToolCase, ::testing::ValuesIn(all_cases()), case_name);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ToolCase);

}  // namespace
}  // namespace league::testing
