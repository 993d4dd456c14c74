#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace league {

// What a tool says about itself for --help and --version.
struct ToolInfo {
  std::string_view name;         // the program's name, e.g. "table_update"
  std::string_view usage;        // the arguments after the name, e.g. "" or "[roster name]"
  std::string_view description;  // a few lines on what the tool reads and writes
};

// The arguments after the program name.
std::vector<std::string> arguments_of(int argc, char** argv);

// Handles --help or --version given as the only argument: prints the help text
// or "<name> <version>\n" and returns exit status 0. Returns nothing for any other
// argument list, which the tool then handles itself.
std::optional<int> answer_standard_option(const ToolInfo& tool,
                                          const std::vector<std::string>& args, std::ostream& out);

// Prints "Usage: <name> <usage>\n" and returns exit status 1.
int report_usage(const ToolInfo& tool, std::ostream& out);

}  // namespace league
