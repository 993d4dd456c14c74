#include "form_update/form_results.h"

#include "common/results/results_file.h"
#include "common/results/team_index.h"

namespace league {

void apply_form_results(std::vector<FormEntry>& table, std::string_view results) {
  // The index keeps views of the names, so the table must not grow or be
  // reordered while it lives.
  TeamIndex teams(table.size());
  for (const FormEntry& entry : table) teams.add(entry.Team);
  apply_results(results, teams, [&table](const MatchResult& result, const MatchRows& rows) {
    for (int k = 0; k < 2; ++k) table[rows[k]].form.record(match_outcome(result, k));
  });
}

}  // namespace league
