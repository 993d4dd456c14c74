#include "league/check_fixtures.h"

#include <algorithm>

#include "common/io/league_files.h"

namespace league {

std::vector<Diagnostic> fixtures_file_problems(const FixturesReading& reading,
                                               const std::vector<std::string>* table_teams) {
  std::vector<Diagnostic> problems = reading.diagnostics;
  if (table_teams != nullptr) {
    for (Diagnostic& problem : check_fixtures(reading.fixtures, *table_teams))
      problems.push_back(std::move(problem));
  }
  std::stable_sort(problems.begin(), problems.end(),
                   [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
  return problems;
}

void check_fixtures_file(std::string_view text, const TableRead* table, CheckReport& report) {
  std::vector<std::string> teams;
  if (table != nullptr) {
    for (const TableEntry& row : table->rows) teams.push_back(row.Team);
  }
  for (Diagnostic& problem :
       fixtures_file_problems(read_fixtures(text), table != nullptr ? &teams : nullptr))
    report.problem(std::move(problem));
  if (table == nullptr) {
    report.note(kFixturesFile, 0,
                std::string("its teams not checked, as ") + kTableFile + " does not read");
  }
}

}  // namespace league
