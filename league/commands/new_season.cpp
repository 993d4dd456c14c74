#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <unordered_set>
#include <utility>

#include "common/attendances/attendances_file.h"
#include "common/console/tool_error.h"
#include "common/form/form_table.h"
#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/table/table_file.h"
#include "common/text/lines.h"
#include "common/text/spaces.h"
#include "common/text/wording.h"
#include "league/commands/command.h"
#include "league/names/team_name.h"
#include "league/store/adjustments.h"
#include "league/store/history.h"
#include "league/store/league_keeps.h"
#include "league/store/league_name.h"
#include "league/store/new_settings.h"
#include "league/store/reading.h"

namespace league {

namespace {

struct NewSeasonOptions {
  std::vector<std::string> teams;  // names given on the command line
  std::string teams_file;          // or a file of names, one per line
  std::string name;                // the league's name, when name_given
  bool name_given = false;
};

struct Name {
  std::string text;
  std::string file;      // empty for the command line
  std::size_t line = 0;  // in `file`
};

std::vector<Name> names_from_file(const std::string& path) {
  const auto text = read_league_file(path);
  if (!text) fail({path, 0, "cannot be opened"});
  std::vector<Name> names;
  LineReader lines(*text);
  while (const auto line = lines.next()) {
    std::string name(trimmed(*line));
    if (!name.empty()) names.push_back({std::move(name), path, lines.line_number()});
  }
  return names;
}

// Every name that cannot be a team, each with its line.
std::vector<Diagnostic> bad_names(const std::vector<Name>& names) {
  std::vector<std::string> texts;
  for (const Name& name : names) texts.push_back(name.text);
  std::vector<Diagnostic> problems;
  for (NameProblem& problem : check_team_names(texts)) {
    const Name& name = names[problem.index];
    problems.push_back(
        {name.file.empty() ? "league new" : name.file, name.line, std::move(problem.what)});
  }
  return problems;
}

std::vector<std::string> team_names(const NewSeasonOptions& options) {
  std::vector<Name> names;
  if (!options.teams_file.empty()) {
    names = names_from_file(options.teams_file);
  } else {
    for (const std::string& team : options.teams) names.push_back({team, "", 0});
  }
  if (names.empty())
    fail({"league new", 0, "no teams given (league new NAME... or league new --teams FILE)"});
  const std::vector<Diagnostic> problems = bad_names(names);
  if (!problems.empty()) {
    std::string message;
    for (const Diagnostic& problem : problems) message += describe(problem) + '\n';
    message += "league new: nothing written";
    throw ToolError(message);
  }
  if (names.size() < 2) {
    fail({"league new", 0,
          "a season needs two teams at least, and " + normal_written_form(names.front().text) +
              " is the only one"});
  }
  std::vector<std::string> teams;
  for (const Name& name : names) teams.push_back(stored_form(name.text));
  return teams;
}

void refuse_existing_season() {
  for (const char* file : {kTableFile, kFormFile}) {
    if (path_exists(file)) {
      fail({file, 0,
            std::string("exists already; league new starts a season only in a folder without ") +
                kTableFile + " and " + kFormFile + ". Nothing written"});
    }
  }
  if (!recorded_rounds().empty()) {
    fail({kHistoryDir, 0,
          "holds the rounds of an earlier season; move it away before starting a new one. "
          "Nothing written"});
  }
  if (!recorded_adjustments(0).empty()) {
    fail({kHistoryDir, 0,
          "holds points adjustments of an earlier season; move it away before starting a new "
          "one. Nothing written"});
  }
}

// The teams that attendances.dat has no row for, or all of them when it does
// not exist yet; nothing when it does not read.
std::optional<std::vector<std::string>> teams_without_attendances(
    const std::vector<std::string>& teams, std::ostream& out) {
  const auto text = read_league_file(kAttendancesFile);
  if (!text) return teams;
  const AttendancesRead read = read_attendances(*text);
  if (read.problem) {
    // The season is written by now: a damaged attendances.dat is for the
    // administrator to mend before the first round, not a failure of this one.
    out << describe(*read.problem) << "; mend it before the first round.\n";
    return std::nullopt;
  }
  std::unordered_set<std::string_view> kept;
  for (const AttendanceRow& row : read.rows) kept.insert(row.Team);
  std::vector<std::string> missing;
  for (const std::string& team : teams) {
    if (kept.count(team) == 0) missing.push_back(written_form(team));
  }
  return missing;
}

}  // namespace

int start_season(const NewSeasonOptions& options, CommandContext& context) {
  std::ostream& out = context.out;
  const std::vector<std::string> teams = team_names(options);
  const NameGiven name = check_league_name(options.name);
  if (options.name_given && name.problem)
    fail({"league new", 0, "the league's name " + *name.problem + "; nothing written"});
  refuse_existing_season();

  std::vector<TableEntry> table;
  std::vector<FormEntry> form;
  for (const std::string& team : teams) {
    table.push_back(TableEntry{team});
    form.push_back(FormEntry{team, FormString()});
  }
  std::vector<FileChange> files{{kTableFile, format_league_table(table)},
                                {kFormFile, format_form_table(form)}};
  std::optional<LeagueSettings> settings = read_settings();
  const bool new_settings = !settings;
  if (new_settings) {
    files.push_back({kSettingsFile, std::string(kNewSettings)});
    settings = read_league_settings(kNewSettings);
  }
  if (options.name_given) files.push_back(league_name_change(name.name));
  SeasonStart start = season_start_changes(true);
  files.insert(files.end(), start.changes.begin(), start.changes.end());
  apply_or_fail(context.lock, "the new season", files);
  out << "New season with " << teams.size() << " teams: " << kTableFile << " and " << kFormFile
      << " written.\n";
  if (options.name_given) out << "The league is named " << name.name << ".\n";
  say_zone_recorded(start, out);
  if (new_settings) {
    out << kSettingsFile << " written with the settings the tools read, all off; "
        << "edit it to turn one on.\n";
  }

  if (settings->number("Attendances_Pack") != 0) {
    if (const auto missing = teams_without_attendances(teams, out); missing && !missing->empty()) {
      out << "Attendances_Pack is on: " << kAttendancesFile
          << " needs a row (stadium and ticket data) for " << name_list(*missing) << ".\n";
    }
  }
  return 0;
}

CommandRun new_command(CLI::App& command) {
  auto options = std::make_shared<NewSeasonOptions>();
  CLI::Option* names = command.add_option("NAME", options->teams, "The teams");
  command
      .add_option("--teams", options->teams_file,
                  "A file of team names, one per line (blank lines skipped)")
      ->excludes(names);
  CLI::Option* name =
      command.add_option("--name", options->name, "The league's name, shown on its page");
  return [options, name](CommandContext& context) {
    options->name_given = name->count() > 0;
    return start_season(*options, context);
  };
}

}  // namespace league
