#include <CLI/CLI.hpp>
#include <algorithm>
#include <ctime>
#include <filesystem>
#include <memory>
#include <ostream>

#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/roster/teams_dir.h"
#include "common/text/wording.h"
#include "league/commands/command.h"
#include "league/publish/calendar.h"
#include "league/publish/publish_html.h"
#include "league/publish/publish_json.h"
#include "league/publish/published_files.h"
#include "league/publish/standings_after.h"
#include "league/publish/standings_data.h"
#include "league/store/history.h"
#include "league/store/league_keeps.h"

namespace league {

namespace {

struct PublishOptions {
  std::string page;          // empty: league.html, or league-after-N.html with --after N
  std::optional<int> after;  // the standings after this round rather than now
  std::string json;          // empty: no JSON
  std::string ics;           // empty: no calendar of the fixtures
  bool force = false;        // replace files that publish did not write
};

namespace fs = std::filesystem;

fs::path where(const std::string& path) {
  std::error_code error;
  fs::path found = fs::weakly_canonical(fs::absolute(path), error);
  return error ? fs::absolute(path).lexically_normal() : found;
}

// Refuses an output that would overwrite a file the league keeps, or that
// names the same file as the other output.
void refuse_league_files(const PublishOptions& options) {
  std::vector<std::string> kept{kSettingsFile, kTableFile,    kFormFile,    kAttendancesFile,
                                kResultsFile,  kTeamsDirFile, kFixturesFile};
  if (const auto teams = read_league_file(kTeamsDirFile)) {
    for (const std::string_view roster : roster_names(*teams)) kept.emplace_back(roster);
  }
  const fs::path history = where(kHistoryDir);
  // Each output with what it is, in the order the messages name them.
  std::vector<std::pair<std::string, std::string>> outputs{{options.page, "page"}};
  if (!options.json.empty()) outputs.emplace_back(options.json, "JSON");
  if (!options.ics.empty()) outputs.emplace_back(options.ics, "calendar");
  for (const auto& [output, kind] : outputs) {
    const fs::path target = where(output);
    const auto [inside, rest] =
        std::mismatch(history.begin(), history.end(), target.begin(), target.end());
    bool league_file = inside == history.end();
    for (const std::string& file : kept) league_file = league_file || where(file) == target;
    if (league_file) fail({output, 0, "is a file the league keeps; publish to another name"});
  }
  for (std::size_t later = 1; later < outputs.size(); ++later) {
    for (std::size_t earlier = 0; earlier < later; ++earlier) {
      const auto& [path, kind] = outputs[later];
      if (where(path) != where(outputs[earlier].first)) continue;
      fail({path, 0,
            "is the " + outputs[earlier].second + "'s file too; give the " + kind +
                " another name"});
    }
  }
}

// The outputs' places checked, and what killed runs left in their folders
// removed, before anything is written.
void prepare_outputs(const PublishOptions& options, std::ostream& out) {
  refuse_league_files(options);
  std::vector<std::string> paths{options.page};
  if (!options.json.empty()) paths.push_back(options.json);
  if (!options.ics.empty()) paths.push_back(options.ics);
  for (const std::string& path : paths) {
    if (const auto problem = check_output_place(path, options.force)) fail(*problem);
  }
  const std::vector<std::string> removed = remove_output_temporaries(paths);
  if (!removed.empty()) {
    out << "Removed " << name_list(removed)
        << (removed.size() == 1 ? ", a temporary file" : ", temporary files")
        << " that an interrupted run left behind.\n";
  }
}

}  // namespace

int publish_standings(PublishOptions options, CommandContext& context) {
  std::ostream& out = context.out;
  if (options.page.empty())
    options.page =
        options.after ? "league-after-" + std::to_string(*options.after) + ".html" : "league.html";
  prepare_outputs(options, out);
  StandingsRead read = gather_standings();
  if (read.problem) fail(*read.problem);
  Standings& standings = read.standings;
  std::vector<std::string> teams;
  for (const StandingsRow& row : standings.table) teams.push_back(row.entry.Team);
  standings.matchdays = league_matchdays(teams);
  standings.grounds = kept_grounds().grounds;
  if (options.after) {
    if (auto problem = wind_back_to_round(standings, *options.after, "league publish --after"))
      fail(*problem);
  }

  // Every output or none is replaced, as one transaction.
  std::vector<FileChange> files{{options.page, standings_page(standings)}};
  if (!options.json.empty()) files.push_back({options.json, standings_json(standings)});
  const Matchdays& matchdays = standings.matchdays;
  if (!options.ics.empty()) {
    if (!matchdays.fixtures) {
      fail({kFixturesFile, 0,
            "missing; --ics writes its fixtures as a calendar (league fixtures draws them)"});
    }
    LeagueCalendar calendar{standings.league,   season_id(),       teams,
                            league_time_zone(), standings.grounds, std::time(nullptr),
                            changed_pairings()};
    files.push_back(
        {options.ics, fixtures_calendar(*matchdays.fixtures, matchdays.schedule, calendar)});
  }
  if (const auto problem = replace_outputs(context.lock, files)) fail(*problem);

  out << "Wrote " << options.page << " (" << standings.table.size() << " teams, "
      << (standings.round > 0
              ? "after round " + std::to_string(options.after.value_or(standings.round))
              : std::string("no round recorded yet"))
      << ")\n";
  if (!options.json.empty()) out << "Wrote " << options.json << "\n";
  if (!options.ics.empty()) out << "Wrote " << options.ics << "\n";
  return 0;
}

CommandRun publish_command(CLI::App& command) {
  auto options = std::make_shared<PublishOptions>();
  command.add_option("--out", options->page,
                     "The page (default: league.html; with --after N, league-after-N.html)");
  command.add_option("--after", options->after,
                     "The standings after round N (of fixtures.txt when there is one)");
  command.add_option("--json", options->json, "Also write the standings as JSON");
  command.add_option("--ics", options->ics,
                     "Also write the fixtures of fixtures.txt as an iCalendar file");
  command.add_flag("--force", options->force,
                   "Replace existing files that are no page, JSON or calendar publish wrote");
  return [options](CommandContext& context) { return publish_standings(*options, context); };
}

}  // namespace league
