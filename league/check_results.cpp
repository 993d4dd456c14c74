#include "league/check_results.h"

#include <algorithm>
#include <string>
#include <vector>

#include "league/round_check.h"

namespace league {

void check_results(std::string_view text, const CheckedTable& table, CheckReport& report) {
  std::vector<std::string> teams;
  for (const TableEntry& row : table.rows) teams.push_back(row.Team);
  const RoundCheck check = check_round(text, teams);

  // Problems and notes merged back into file order.
  std::vector<CheckFinding> findings;
  for (const RoundProblem& problem : check.problems) {
    findings.push_back({"results.txt", problem.line, false, problem.text});
  }
  for (const RoundProblem& note : check.notes) {
    findings.push_back({"results.txt", note.line, true, note.text});
  }
  std::stable_sort(findings.begin(), findings.end(),
                   [](const CheckFinding& a, const CheckFinding& b) { return a.line < b.line; });
  for (CheckFinding& finding : findings) {
    if (finding.note)
      report.note(std::move(finding.file), finding.line, std::move(finding.text));
    else
      report.problem(std::move(finding.file), finding.line, std::move(finding.text));
  }
}

}  // namespace league
