#include "common/round/round_console.h"

#include "common/console/tool_error.h"
#include "common/io/league_files.h"
#include "common/io/whole_file.h"

namespace league {

std::string read_results_file_or_fail() {
  return read_league_file_or_fail(kResultsFile,
                                  "\nFailed to open file " + std::string(kResultsFile) + " !!",
                                  ToolError::Key::kWait);
}

void refuse_round(const RoundFailure& failure) {
  if (failure.kind == RoundFailure::Kind::kUnknownTeam) {
    throw ToolError("\nError ! Team " + failure.team + " not found in the table !!",
                    ToolError::Key::kWait);
  }
  throw ToolError("\nError ! Invalid result for team " + failure.team + " in " +
                      std::string(kResultsFile) + " !!",
                  ToolError::Key::kWait);
}

}  // namespace league
