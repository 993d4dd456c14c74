#include "league/store/season_files.h"

#include <filesystem>
#include <system_error>

#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/results/results_file.h"
#include "league/store/history.h"

namespace league {

AppliedMatchesRead read_applied_matches() {
  AppliedMatchesRead read;
  for (const int round : recorded_rounds()) {
    const auto bytes = read_round_file(round, kResultsFile);
    const std::string path = round_dir(round) + "/" + kResultsFile;
    if (!bytes) {
      read.problems.push_back(
          {path, 0,
           "missing or unreadable: what round " + std::to_string(round) + " applied is unknown"});
      continue;
    }
    const std::string_view text = std::string_view(*bytes).substr(byte_order_mark_length(*bytes));
    const std::vector<ResultsEntry> entries = read_results(text);
    for (const ResultsEntry& entry : entries) {
      if (!entry.result) read.problems.push_back({path, entry.line, "does not read as a result"});
    }
    const std::string awarded = awarded_reason(round).value_or("");
    for (AppliedMatch& match : matches_of_results(entries, round)) {
      match.awarded = awarded;
      read.matches.push_back(std::move(match));
    }
  }
  return read;
}

std::vector<AppliedMatch> applied_matches() {
  return read_applied_matches().matches;
}

LeagueFixturesRead read_league_fixtures(const std::vector<std::string>& table_teams) {
  LeagueFixturesRead read;
  const auto text = read_league_file(kFixturesFile);
  if (!text) {
    std::error_code error;
    if (std::filesystem::exists(kFixturesFile, error))
      read.unopened = Diagnostic{kFixturesFile, 0, "cannot be opened"};
    return read;
  }
  FixturesReading reading = read_fixtures(*text);
  read.problems = fixtures_file_problems(reading, &table_teams);
  if (read.problems.empty()) read.fixtures = std::move(reading.fixtures);
  return read;
}

}  // namespace league
