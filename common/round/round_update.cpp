#include "common/round/round_update.h"

#include "common/attendances/attendance_update.h"
#include "common/io/league_files.h"
#include "common/results/team_index.h"
#include "common/table/table_results.h"

namespace league {

namespace {

// Finds both sides of every result among `names` and hands the result with
// their rows to `apply`, which returns false when the result cannot be
// counted. The names must not move meanwhile.
template <typename Names, typename Apply>
std::optional<RoundFailure> for_each_result(const std::vector<ResultsEntry>& results,
                                            const Names& names, const char* file, Apply apply) {
  TeamIndex index(names.size());
  for (const auto& row : names) index.add(row.Team);
  for (const ResultsEntry& entry : results) {
    const RoundFailure invalid{RoundFailure::Kind::kInvalidResult, std::string(entry.home),
                               entry.line, file};
    if (!entry.result) return invalid;
    MatchRows rows{};
    for (std::size_t k = 0; k < rows.size(); ++k) {
      const std::string_view team = entry.result->sides[k].team;
      const auto row = index.find_team(team);
      if (!row) {
        return RoundFailure{RoundFailure::Kind::kUnknownTeam, std::string(team), entry.line, file};
      }
      rows[k] = *row;
    }
    if (!apply(*entry.result, rows)) return invalid;
  }
  return std::nullopt;
}

}  // namespace

RoundUpdate apply_round(RoundTables& tables, const std::vector<ResultsEntry>& results) {
  RoundUpdate update;
  if (tables.table) {
    std::vector<TableEntry>& table = *tables.table;
    update.failure = for_each_result(results, table, kTableFile,
                                     [&](const MatchResult& result, const MatchRows& rows) {
                                       return apply_result(table, result, rows);
                                     });
    if (update.failure) return update;
    order_league_table(table);
  }
  if (tables.form) {
    std::vector<FormEntry>& form = *tables.form;
    update.failure = for_each_result(results, form, kFormFile,
                                     [&](const MatchResult& result, const MatchRows& rows) {
                                       for (int k = 0; k < 2; ++k)
                                         form[rows[k]].form.record(match_outcome(result, k));
                                       return true;
                                     });
    if (update.failure) return update;
    order_form_table(form);
  }
  if (tables.attendances && tables.table) {
    for (const std::string_view team : update_position_factors(*tables.attendances, *tables.table))
      update.without_attendances.emplace_back(team);
  }
  return update;
}

}  // namespace league
