#include "league/check/check_form.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "common/form/form_table.h"
#include "common/io/league_files.h"
#include "league/check/team_agreement.h"
#include "league/names/team_name.h"

namespace league {

namespace {

constexpr const char* kFile = kFormFile;

void check_letters(const FormEntry& entry, std::size_t line, CheckReport& report) {
  const std::string_view letters = entry.form.letters();
  std::string wrong;
  for (const char c : letters) {
    if (c != 'W' && c != 'D' && c != 'L' && wrong.find(c) == std::string::npos) wrong += c;
  }
  if (!wrong.empty()) {
    report.problem(kFile, line,
                   written_form(entry.Team) + ": the form " + std::string(letters) + " holds " +
                       wrong + "; only W, D and L stand for results");
  }
}

}  // namespace

void check_form(std::string_view text, const TableRead* table, CheckReport& report) {
  FormRead form = read_form_table(text);
  const std::vector<std::string> table_teams =
      table ? team_names(table->rows) : std::vector<std::string>();
  const TeamNames names(table_teams);
  std::map<std::string, std::size_t> first_line;
  for (std::size_t i = 0; i < form.rows.size(); ++i) {
    const FormEntry& entry = form.rows[i];
    const std::size_t line = form.lines[i];
    check_letters(entry, line, report);
    const auto [seen, added] = first_line.try_emplace(entry.Team, line);
    if (!added) {
      report.problem(kFile, line,
                     written_form(entry.Team) + " has a second row (the first is on line " +
                         std::to_string(seen->second) + ")");
    } else if (table != nullptr &&
               std::find(table_teams.begin(), table_teams.end(), entry.Team) == table_teams.end()) {
      report.problem(kFile, line, unknown_team_problem(entry.Team, names));
    }
  }
  if (form.problem) {
    form.problem->what += "; form_update refuses the table";
    report.problem(std::move(*form.problem));
    return;  // a team after the damaged row may well be there: none is named
  }
  if (table == nullptr) return;
  for (const TableEntry& row : table->rows) {
    if (first_line.count(row.Team) == 0) {
      report.problem(kFile, 0,
                     "no row for " + written_form(row.Team) + ", a team of " + kTableFile);
    }
  }
}

}  // namespace league
