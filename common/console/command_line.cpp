#include "common/console/command_line.h"

#include <ostream>

namespace league {

std::vector<std::string> arguments_of(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return args;
}

namespace {

void print_usage_line(const ToolInfo& tool, std::ostream& out) {
  out << "Usage: " << tool.name;
  if (!tool.usage.empty()) out << ' ' << tool.usage;
  out << '\n';
}

}  // namespace

std::optional<int> answer_standard_option(const ToolInfo& tool,
                                          const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 1) return std::nullopt;
  if (args[0] == "--version") {
    out << tool.name << ' ' << LEAGUE_VERSION << '\n';
    return 0;
  }
  if (args[0] == "--help") {
    print_usage_line(tool, out);
    out << '\n' << tool.description;
    out << "\n  --help     show this help and exit\n"
           "  --version  show the version and exit\n";
    return 0;
  }
  return std::nullopt;
}

int report_usage(const ToolInfo& tool, std::ostream& out) {
  print_usage_line(tool, out);
  return 1;
}

}  // namespace league
