#include <CLI/CLI.hpp>
#include <memory>

#include "common/text/integers.h"
#include "common/text/wording.h"
#include "league/commands/results_entry.h"

namespace league {

namespace {

struct AwardOptions {
  std::string home;
  std::string away;
  std::string score;  // as typed: "3-0"
  std::string reason;
  bool brought_forward = false;
};

[[noreturn]] void refuse_arguments(const std::string& what) {
  fail({"league award", 0, what + "; nothing changed"});
}

// "3-0" or "3:0": the home and the away goals, whole numbers from 0 up.
std::string goals_of(const std::string& typed) {
  const std::size_t separator = typed.find_first_of("-:");
  if (separator != std::string::npos) {
    const auto home = parse_whole_int(typed.substr(0, separator));
    const auto away = parse_whole_int(typed.substr(separator + 1));
    if (home && away && *home >= 0 && *away >= 0)
      return std::to_string(*home) + " - " + std::to_string(*away);
  }
  refuse_arguments(in_quotes(typed) + " is not a score: the home and the away goals, as in 3-0");
}

int award_result(const AwardOptions& options, CommandContext& context) {
  if (options.home.empty() || options.away.empty() || options.score.empty())
    refuse_arguments("give the match and its score: league award HOME AWAY 3-0 --reason TEXT");
  const std::string goals = goals_of(options.score);
  const std::string reason = reason_or_refuse(options.reason, "league award");
  // The award is applied as a round of this one result would be.
  const std::string line = options.home + ' ' + goals + ' ' + options.away + '\n';
  ResultsApplication request{{line, line}, reason, true, options.brought_forward};
  return apply_results(request, context);
}

}  // namespace

CommandRun award_command(CLI::App& command) {
  auto options = std::make_shared<AwardOptions>();
  command.add_option("HOME", options->home, "The home team, as table.txt names it");
  command.add_option("AWAY", options->away, "The away team");
  command.add_option("SCORE", options->score, "The result awarded, home goals first: 3-0");
  command.add_option("--reason", options->reason,
                     "Why: shown with the result on the page, in JSON and the calendar (required)");
  command.add_flag("--brought-forward", options->brought_forward,
                   "Award a fixture whose reverse is due now");
  return [options](CommandContext& context) { return award_result(*options, context); };
}

}  // namespace league
