#include "league/check/check_fixtures.h"

#include "common/io/league_files.h"

namespace league {

void check_fixtures_file(std::string_view text, const TableRead* table, CheckReport& report) {
  const std::vector<std::string> teams =
      table ? team_names(table->rows) : std::vector<std::string>();
  for (Diagnostic& problem :
       fixtures_file_problems(read_fixtures(text), table != nullptr ? &teams : nullptr))
    report.problem(std::move(problem));
  if (table == nullptr) {
    report.note(kFixturesFile, 0,
                std::string("its teams not checked, as ") + kTableFile + " does not read");
  }
}

}  // namespace league
