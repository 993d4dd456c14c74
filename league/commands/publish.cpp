#include <CLI/CLI.hpp>
#include <algorithm>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
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
#include "league/publish/season_matches.h"
#include "league/publish/season_pages.h"
#include "league/publish/site_pages.h"
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
  bool pages = false;        // also the fixtures, the grid and the teams' pages
};

// An output with what it is, as messages name it.
struct Output {
  std::string path;
  std::string kind;
};

// Every output, in the order the messages name them.
std::vector<Output> output_list(const PublishOptions& options, const SitePages* pages) {
  std::vector<Output> outputs{{options.page, "page"}};
  if (!options.json.empty()) outputs.push_back({options.json, "JSON"});
  if (!options.ics.empty()) outputs.push_back({options.ics, "calendar"});
  if (!pages) return outputs;
  outputs.push_back({pages->fixtures, "fixtures page"});
  outputs.push_back({pages->grid, "results grid"});
  for (const TeamPage& team : pages->teams) outputs.push_back({team.path, "team page"});
  return outputs;
}

namespace fs = std::filesystem;

fs::path where(const std::string& path) {
  std::error_code error;
  fs::path found = fs::weakly_canonical(fs::absolute(path), error);
  return error ? fs::absolute(path).lexically_normal() : found;
}

// Refuses an output that would overwrite a file the league keeps, or that
// names the same file as the other output.
void refuse_league_files(const std::vector<Output>& outputs) {
  std::vector<std::string> kept{kSettingsFile, kTableFile,    kFormFile,    kAttendancesFile,
                                kResultsFile,  kTeamsDirFile, kFixturesFile};
  if (const auto teams = read_league_file(kTeamsDirFile)) {
    for (const std::string_view roster : roster_names(*teams)) kept.emplace_back(roster);
  }
  const fs::path history = where(kHistoryDir);
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
      if (where(path) != where(outputs[earlier].path)) continue;
      fail({path, 0,
            "is the " + outputs[earlier].kind + "'s file too; give the " + kind + " another name"});
    }
  }
}

// The outputs' places checked, and what killed runs left in their folders
// removed, before anything is written.
void prepare_outputs(const std::vector<Output>& outputs, bool force, std::ostream& out) {
  refuse_league_files(outputs);
  std::vector<std::string> paths;
  for (const Output& output : outputs) {
    if (const auto problem = check_output_place(output.path, force)) fail(*problem);
    paths.push_back(output.path);
  }
  const std::vector<std::string> removed = remove_output_temporaries(paths);
  if (!removed.empty()) {
    out << "Removed " << name_list(removed)
        << (removed.size() == 1 ? ", a temporary file" : ", temporary files")
        << " that an interrupted run left behind.\n";
  }
}

// The fixtures as a calendar, where the season stands `now`.
FileChange calendar_output(const std::string& path, const Standings& standings,
                           const Matchdays& now, const std::vector<std::string>& teams) {
  if (!now.fixtures) {
    fail({kFixturesFile, 0,
          "missing; --ics writes its fixtures as a calendar (league fixtures draws them)"});
  }
  if (const std::size_t events = calendar_events(*now.fixtures); events > kMaxCalendarEvents) {
    fail({path, 0,
          std::string(kFixturesFile) + " has " + std::to_string(events) +
              " fixtures with a date, more than a calendar takes (at most " +
              std::to_string(kMaxCalendarEvents) +
              " events); nothing written. Publish without --ics"});
  }
  LeagueCalendar calendar{standings.league,   season_id(),       teams,
                          league_time_zone(), standings.grounds, std::time(nullptr),
                          changed_pairings()};
  return {path, fixtures_calendar(*now.fixtures, now.schedule, calendar)};
}

// The pages beside the standings page.
void add_site_pages(std::vector<FileChange>& files, const Standings& standings,
                    const SitePages& pages) {
  files.push_back({pages.fixtures, fixtures_page(standings, pages)});
  files.push_back({pages.grid, grid_page(standings, pages)});
  const std::vector<SeasonMatch> matches = season_matches(standings);
  for (const TeamPage& team : pages.teams)
    files.push_back({team.path, team_page(standings, pages, team.team, matches)});
}

}  // namespace

int publish_standings(PublishOptions options, CommandContext& context) {
  std::ostream& out = context.out;
  if (options.page.empty())
    options.page =
        options.after ? "league-after-" + std::to_string(*options.after) + ".html" : "league.html";
  Standings standings = league_standings();
  std::vector<std::string> teams;
  for (const StandingsRow& row : standings.table) teams.push_back(row.entry.Team);
  standings.grounds = kept_grounds().grounds;
  // The calendar is of the season as it stands, whatever round the page is
  // after: for a page that goes back it is read once more.
  std::optional<Matchdays> kept;
  if (options.after) {
    if (!options.ics.empty()) kept = league_matchdays(teams);
    if (auto problem = wind_back_to_round(standings, *options.after, "league publish --after"))
      fail(*problem);
  }
  const Matchdays& now = kept ? *kept : standings.matchdays;
  std::optional<SitePages> pages;
  if (options.pages) {
    pages = site_pages(options.page, teams_by_name(standings));
    if (teams.size() > kMaxSitePageTeams)
      fail({pages->grid, 0,
            "--pages writes a page for each team and a grid of every pairing, for at most " +
                std::to_string(kMaxSitePageTeams) + " teams, and the league has " +
                std::to_string(teams.size()) + "; nothing written. Publish without --pages"});
  }
  prepare_outputs(output_list(options, pages ? &*pages : nullptr), options.force, out);

  // Every output or none is replaced, as one transaction.
  std::vector<FileChange> files{
      {options.page, standings_page(standings, pages ? &*pages : nullptr)}};
  if (pages) add_site_pages(files, standings, *pages);
  if (!options.json.empty()) files.push_back({options.json, standings_json(standings)});
  if (!options.ics.empty()) files.push_back(calendar_output(options.ics, standings, now, teams));
  if (const auto problem = replace_outputs(context.lock, files)) fail(*problem);

  out << "Wrote " << options.page << " (" << standings.table.size() << " teams, "
      << (standings.round > 0
              ? "after round " + std::to_string(options.after.value_or(standings.round))
              : std::string("no round recorded yet"))
      << ")\n";
  if (!options.json.empty()) out << "Wrote " << options.json << "\n";
  if (!options.ics.empty()) out << "Wrote " << options.ics << "\n";
  if (pages) {
    out << "Wrote " << pages->fixtures << ", " << pages->grid << " and " << pages->teams.size()
        << " team pages beside it\n";
  }
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
  command.add_flag("--pages", options->pages,
                   "Also write the fixtures and results, the results grid and a page per team "
                   "beside the page");
  command.add_flag("--force", options->force,
                   "Replace existing files that are no page, JSON or calendar publish wrote");
  return [options](CommandContext& context) { return publish_standings(*options, context); };
}

}  // namespace league
