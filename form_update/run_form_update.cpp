#include "form_update/run_form_update.h"

#include <istream>
#include <ostream>

#include "common/console/command_line.h"
#include "common/console/tool_error.h"
#include "common/form/form_table.h"
#include "common/io/file_replacement.h"
#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/results/results_file.h"
#include "common/round/round_console.h"
#include "common/round/round_update.h"

namespace league {

namespace {

constexpr ToolInfo kTool{
    "form_update", "",
    "Applies the results of results.txt to the form table form.txt (each team's\n"
    "last six results), orders the teams by form points and rewrites form.txt.\n"};

void update_form_table() {
  const std::string form = read_league_file_or_fail(
      kFormFile, "\nFailed to open file " + std::string(kFormFile) + " !!");
  const std::string results = read_results_file_or_fail();
  FormRead read = read_form_table(form);
  if (read.problem) {
    throw ToolError("\nError ! Invalid row " + std::to_string(read.rows.size() + 1) + " in " +
                    kFormFile + " !!");
  }
  RoundTables tables;
  tables.form = std::move(read.rows);
  if (const RoundUpdate update = apply_round(tables, read_results(results)); update.failure)
    refuse_round(*update.failure);
  if (!replace_file(kFormFile, format_form_table(*tables.form)))
    throw ToolError("\nFailed to write file " + std::string(kFormFile) + " !!");
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
