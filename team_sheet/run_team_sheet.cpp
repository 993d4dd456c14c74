#include "team_sheet/run_team_sheet.h"

#include <istream>
#include <optional>
#include <ostream>

#include "common/console/command_line.h"
#include "common/console/tool_error.h"
#include "common/io/file_replacement.h"
#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/roster/roster_layout.h"
#include "common/settings/league_settings.h"
#include "common/settings/settings_store.h"
#include "team_sheet/extended_player.h"
#include "team_sheet/header_reader.h"
#include "team_sheet/line_up.h"
#include "team_sheet/sheet_text.h"

namespace league {
namespace {

constexpr ToolInfo kTool{
    "team_sheet", "[roster name]",
    "Reads the roster <roster name>.txt in the current directory by its header line\n"
    "and writes a default team sheet to <roster name>sht.txt: eleven starters, five\n"
    "substitutes and a penalty taker, chosen by skill among the players who are\n"
    "neither injured nor suspended (and fit enough when the league uses Fitness).\n"
    "Without a roster name it asks for one. A second argument is accepted and ignored.\n"};

constexpr std::int32_t kDefaultMinimumFitness = 60;

// The roster name: the first argument, or one token typed at the prompt.
std::string roster_name_from(const std::vector<std::string>& args, std::istream& in,
                             std::ostream& out) {
  if (!args.empty()) return args.front();
  out << "Enter the roster name (without the .txt extension) --> ";
  out.flush();
  std::string name;
  if (!(in >> name)) throw ToolError("\nNo roster name given\n");
  return name;
}

int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) {
  if (args.size() > 2) return report_usage(kTool, out);
  const std::string name = roster_name_from(args, in, out);

  const std::string roster_file = name + ".txt";
  const std::string roster =
      read_league_file_or_fail(roster_file, "Failed to open file " + roster_file + "\n");

  load_league_settings();
  const std::int32_t minimum_fitness = setting_number("Fit_ZEP", kDefaultMinimumFitness);

  SquadTable squad(kRosterCapacity + 1);
  const int count = read_roster_by_header(roster, squad, kRosterCapacity);
  const std::int32_t fitness_switch = setting_number("Fitness");
  const TeamSheet sheet = choose_line_up(squad, count, fitness_switch, minimum_fitness);

  const std::string sheet_file = name + kSheetSuffix;
  if (!replace_file(sheet_file, team_sheet_text(name, sheet)))
    throw ToolError("Failed to create file " + sheet_file + "\n");
  out << sheet_file << " created successfully\n";
  return 0;
}

}  // namespace

int run_team_sheet(const std::vector<std::string>& args, std::istream& in, std::ostream& out) {
  // --help and --version count as the first argument, whatever follows them.
  if (!args.empty()) {
    if (const auto status = answer_standard_option(kTool, {args.front()}, out)) return *status;
  }
  try {
    const int status = run(args, in, out);
    out.flush();
    return status;
  } catch (const ToolError& error) {
    return report_tool_error(error, in, out);
  }
}

}  // namespace league
