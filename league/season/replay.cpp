#include "league/season/replay.h"

#include <algorithm>

#include "common/attendances/attendances_file.h"
#include "common/form/form_table.h"
#include "common/io/league_files.h"
#include "common/results/results_file.h"
#include "common/table/table_file.h"
#include "common/table/table_results.h"
#include "common/text/integers.h"

namespace league {

namespace {

using Teams = std::vector<std::string>;

bool is_one_of(std::string_view team, const Teams& teams) {
  return std::find(teams.begin(), teams.end(), team) != teams.end();
}

// A starting table as read into `rows`, the rows of the expunged teams
// dropped; or its problem.
template <typename Read, typename Rows>
std::optional<Diagnostic> start_with(Read read, const Teams& expunged, std::optional<Rows>& rows) {
  if (read.problem) return read.problem;
  std::erase_if(read.rows, [&](const auto& row) { return is_one_of(row.Team, expunged); });
  rows = std::move(read.rows);
  return std::nullopt;
}

// The starting tables, read; the first that does not read is the problem.
std::optional<Diagnostic> read_start(const SeasonRecord& record, const Teams& expunged,
                                     RoundTables& tables) {
  auto problem = start_with(read_league_table(record.table, kTableFile), expunged, tables.table);
  if (!problem && record.form)
    problem = start_with(read_form_table(*record.form), expunged, tables.form);
  if (!problem && record.attendances)
    problem = start_with(read_attendances(*record.attendances), expunged, tables.attendances);
  return problem;
}

bool involves(const ResultsEntry& entry, const Teams& teams) {
  return entry.result && (is_one_of(entry.result->sides[0].team, teams) ||
                          is_one_of(entry.result->sides[1].team, teams));
}

std::optional<Diagnostic> replay_round(const RecordedStep& step, const Teams& expunged,
                                       RoundTables& tables) {
  std::vector<ResultsEntry> results = read_results(step.results);
  std::erase_if(results, [&](const ResultsEntry& entry) { return involves(entry, expunged); });
  const RoundUpdate update = apply_round(tables, results);
  if (!update.failure) return std::nullopt;
  const RoundFailure& failure = *update.failure;
  if (failure.kind == RoundFailure::Kind::kUnknownTeam)
    return Diagnostic{step.source, failure.line,
                      failure.team + " has no row in the " + failure.file + " it was applied to"};
  return Diagnostic{step.source, failure.line, "the result of " + failure.team + " does not apply"};
}

std::optional<Diagnostic> replay_adjustment(const RecordedStep& step, const Teams& expunged,
                                            RoundTables& tables) {
  if (is_one_of(step.team, expunged)) return std::nullopt;
  std::vector<TableEntry>& table = *tables.table;
  const auto row = std::find_if(table.begin(), table.end(),
                                [&](const TableEntry& entry) { return entry.Team == step.team; });
  if (row == table.end())
    return Diagnostic{step.source, 0, step.team + " has no row in the table it adjusted"};
  const auto points = checked_add(row->Pts, step.points);
  if (!points) return Diagnostic{step.source, 0, "takes " + step.team + "'s points out of range"};
  row->Pts = *points;
  order_league_table(table);
  return std::nullopt;
}

}  // namespace

SeasonReplay replay_season(const SeasonRecord& record, std::string_view expunged) {
  return replay_season(record, expunged.empty() ? Teams{} : Teams{std::string(expunged)});
}

SeasonReplay replay_season(const SeasonRecord& record, const std::vector<std::string>& expunged) {
  SeasonReplay replay;
  replay.problem = read_start(record, expunged, replay.tables);
  for (const RecordedStep& step : record.steps) {
    if (replay.problem) break;
    replay.problem = step.kind == RecordedStep::Kind::kRound
                         ? replay_round(step, expunged, replay.tables)
                         : replay_adjustment(step, expunged, replay.tables);
  }
  return replay;
}

}  // namespace league
