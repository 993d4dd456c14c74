#include <CLI/CLI.hpp>
#include <memory>

#include "common/io/league_files.h"
#include "league/commands/results_entry.h"

namespace league {

CommandRun round_command(CLI::App& command) {
  auto options = std::make_shared<ResultsApplication>();
  command.add_flag("--again", options->again,
                   "Apply a results.txt that is the same as the last round's");
  command.add_flag("--brought-forward", options->brought_forward,
                   "Apply a result whose reverse fixture is due now: it was brought forward");
  return [options](CommandContext& context) {
    ResultsApplication request = *options;
    request.results = read_league_file_or_refuse(kResultsFile);
    return apply_results(request, context);
  };
}

}  // namespace league
