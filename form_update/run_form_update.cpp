#include "form_update/run_form_update.h"

#include <istream>
#include <ostream>

#include "common/console/command_line.h"
#include "common/console/tool_error.h"
#include "common/io/file_replacement.h"
#include "common/io/whole_file.h"
#include "common/results/results_file.h"
#include "form_update/form_results.h"
#include "form_update/form_table.h"

namespace league {

namespace {

constexpr ToolInfo kTool{
    "form_update", "",
    "Applies the results of results.txt to the form table form.txt (each team's\n"
    "last six results), orders the teams by form points and rewrites form.txt.\n"};

void update_form_table() {
  const std::string form =
      read_league_file_or_fail("form.txt", "\nFailed to open file form.txt !!");
  const std::string results = read_results_file();
  std::vector<FormEntry> table = read_form_table(form);
  apply_form_results(table, results);
  order_form_table(table);
  if (!replace_file("form.txt", format_form_table(table)))
    throw ToolError("\nFailed to write file form.txt !!");
}

}  // namespace

int run_form_update(const std::vector<std::string>& args, std::istream& in, std::ostream& out) {
  // --help and --version stand alone; any other argument list is a mistake.
  if (const auto status = answer_standard_option(kTool, args, out)) return *status;
  if (!args.empty()) return report_usage(kTool, out);
  try {
    update_form_table();
  } catch (const ToolError& error) {
    return report_tool_error(error, in, out);
  }
  out << "Table updated successfully\n";
  out << "Press a key.\n";
  wait_for_key(in, out);
  return 0;
}

}  // namespace league
