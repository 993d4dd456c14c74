#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>

#include "common/console/tool_error.h"
#include "common/io/whole_file.h"
#include "common/settings/league_settings.h"
#include "common/settings/settings_store.h"
#include "common/text/lines.h"
#include "common/text/spaces.h"
#include "form_update/form_table.h"
#include "league/commands.h"
#include "league/history.h"
#include "league/messages.h"
#include "league/transaction.h"
#include "table_update/attendances_file.h"
#include "table_update/table_file.h"

namespace league {

namespace {

namespace fs = std::filesystem;

struct Name {
  std::string text;
  std::string where;  // "" for the command line, else "FILE, line N"
};

std::string located(const Name& name, const std::string& text) {
  return name.where.empty() ? text : name.where + ": " + text;
}

std::vector<Name> names_from_file(const std::string& path) {
  const std::string text = read_league_file_or_fail(path, path + ": cannot be opened");
  std::vector<Name> names;
  LineReader lines(text);
  while (const auto line = lines.next()) {
    std::string name(trimmed(*line));
    if (!name.empty())
      names.push_back({std::move(name), path + ", line " + std::to_string(lines.line_number())});
  }
  return names;
}

std::vector<Name> team_names(const NewSeasonOptions& options) {
  if (!options.teams.empty() && !options.teams_file.empty())
    throw ToolError("league new: give the teams either as names or with --teams, not both");
  std::vector<Name> names;
  if (!options.teams_file.empty()) {
    names = names_from_file(options.teams_file);
  } else {
    for (const std::string& team : options.teams) names.push_back({team, ""});
  }
  if (names.empty())
    throw ToolError("league new: no teams given (league new NAME... or league new --teams FILE)");
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string& team = names[i].text;
    if (team.empty() || std::any_of(team.begin(), team.end(), is_space))
      throw ToolError(located(names[i], "\"" + team +
                                            "\" holds white space; a team name is one word "
                                            "(Kings_Lynn, not Kings Lynn)"));
    for (std::size_t j = 0; j < i; ++j) {
      if (names[j].text == team) throw ToolError(located(names[i], team + " is given twice"));
    }
  }
  return names;
}

void refuse_existing_season() {
  for (const char* file : {"table.txt", "form.txt"}) {
    std::error_code error;
    if (fs::exists(fs::symlink_status(file, error)))
      throw ToolError(std::string(file) +
                      " exists already; league new starts a season only in a folder without "
                      "table.txt and form.txt. Nothing written.");
  }
  if (!recorded_rounds().empty())
    throw ToolError(std::string(kHistoryDir) +
                    "/ holds the rounds of an earlier season; move it away before starting a "
                    "new one. Nothing written.");
}

// The teams that attendances.dat has no row for, or all of them when it does
// not exist yet.
std::vector<std::string> teams_without_attendances(const std::vector<std::string>& teams) {
  const auto text = read_league_file("attendances.dat");
  if (!text) return teams;
  const std::vector<AttendanceRow> rows = read_attendances(*text);
  std::vector<std::string> missing;
  for (const std::string& team : teams) {
    if (std::none_of(rows.begin(), rows.end(),
                     [&](const AttendanceRow& row) { return row.Team == team; }))
      missing.push_back(team);
  }
  return missing;
}

}  // namespace

int start_season(const NewSeasonOptions& options, std::ostream& out) {
  std::vector<std::string> teams;
  for (Name& name : team_names(options)) teams.push_back(std::move(name.text));
  refuse_existing_season();

  std::vector<TableEntry> table;
  std::vector<FormEntry> form;
  for (const std::string& team : teams) {
    table.push_back(TableEntry{team});
    form.push_back(FormEntry{team, FormString()});
  }
  if (const auto failed = apply_transaction(
          "the new season",
          {{kTableFile, format_league_table(table)}, {kFormFile, format_form_table(form)}}))
    throw ToolError(describe(*failed));
  out << "New season with " << teams.size() << " teams: table.txt and form.txt written.\n";

  load_league_settings();
  if (setting_number("Attendances_Pack") != 0) {
    // The season is written by now: a damaged attendances.dat is for the
    // administrator to mend before the first round, not a failure of this one.
    try {
      const std::vector<std::string> missing = teams_without_attendances(teams);
      if (!missing.empty()) {
        out << "Attendances_Pack is on: attendances.dat needs a row (stadium and ticket data) for "
            << name_list(missing) << ".\n";
      }
    } catch (const ToolError& error) {
      out << plain_message(error) << "; mend it before the first round.\n";
    }
  }
  return 0;
}

}  // namespace league
