#include "league/publish/standings_after.h"

#include <algorithm>

#include "common/form/form_table.h"
#include "league/store/history.h"
#include "league/store/season_files.h"
#include "league/store/season_record.h"
#include "league/store/withdrawals.h"

namespace league {

namespace {

std::vector<AppliedMatch> matches_up_to(const std::vector<AppliedMatch>& applied, int entry) {
  std::vector<AppliedMatch> matches;
  for (const AppliedMatch& match : applied)
    if (match.round <= entry) matches.push_back(match);
  return matches;
}

// The steps of `record` up to recorded round `entry` and the adjustments that
// followed it: its rounds are history/'s, in order, one step each.
SeasonRecord record_up_to(const SeasonRecord& record, std::size_t rounds_kept) {
  SeasonRecord kept = record;
  std::size_t rounds = 0;
  const auto past = std::find_if(kept.steps.begin(), kept.steps.end(), [&](const RecordedStep& s) {
    return s.kind == RecordedStep::Kind::kRound && ++rounds > rounds_kept;
  });
  kept.steps.erase(past, kept.steps.end());
  return kept;
}

std::string rounds_so_far(int last) {
  return last == 0 ? "no round is complete yet"
                   : "the rounds complete so far are 1 to " + std::to_string(last);
}

}  // namespace

RoundEnd entry_ending_round(int n, const std::vector<int>& recorded,
                            const std::vector<AppliedMatch>& applied,
                            const std::optional<Fixtures>& fixtures) {
  if (!fixtures) {
    if (std::find(recorded.begin(), recorded.end(), n) != recorded.end()) return {n, {}};
    return {0, "no round " + std::to_string(n) +
                   " to show: " + rounds_so_far(recorded.empty() ? 0 : recorded.back())};
  }
  int entry = 0;
  int current = 0;
  const std::vector<int> currents =
      current_rounds_after(season_schedule(*fixtures, applied), recorded);
  for (std::size_t i = 0; i < recorded.size(); ++i) {
    current = currents[i];
    if (current == n) entry = recorded[i];
  }
  if (entry > 0) return {entry, {}};
  if (n < 1 || n > current)
    return {0, "no round " + std::to_string(n) + " to show: " + rounds_so_far(current)};
  return {0, "round " + std::to_string(n) +
                 " was never the current round on its own: its results were entered with the "
                 "next round's"};
}

std::optional<Diagnostic> wind_back(Standings& standings, int entry, const SeasonRecord& record,
                                    const std::vector<std::string>& expunged,
                                    const std::vector<AppliedMatch>& applied) {
  std::erase_if(standings.rounds, [&](const RoundOrder& order) { return order.round > entry; });
  SeasonReplay replay = replay_season(record_up_to(record, standings.rounds.size()), expunged);
  if (replay.problem) return replay.problem;
  standings.table.clear();
  for (TableEntry& row : *replay.tables.table) standings.table.push_back({std::move(row), {}});
  for (StandingsRow& row : standings.table) {
    for (const FormEntry& form : replay.tables.form.value_or(std::vector<FormEntry>{}))
      if (form.Team == row.entry.Team) row.form = form.form.letters();
  }
  standings.round = entry;
  standings.date = standings.rounds.empty() ? std::string() : standings.rounds.back().applied;
  standings.scorers.reset();
  std::erase_if(standings.adjustments, [&](const Adjustment& a) { return a.round > entry; });
  std::erase_if(standings.withdrawals, [&](const Withdrawal& w) { return w.round > entry; });
  standings.applied = matches_up_to(applied, entry);
  // The fixtures as they stood then, without the rearrangements made since.
  std::optional<Fixtures> fixtures = std::move(standings.matchdays.fixtures);
  if (fixtures) {
    if (const std::optional<std::string> then = fixtures_text_after(entry))
      fixtures = read_fixtures(*then).fixtures;
  }
  standings.matchdays = matchdays_of(standings.applied, entry, std::move(fixtures));
  return std::nullopt;
}

std::optional<Diagnostic> wind_back_to_round(Standings& standings, int n,
                                             const std::string& command) {
  const std::vector<int> recorded = recorded_rounds();
  const std::vector<AppliedMatch> applied = applied_matches();
  const RoundEnd end = entry_ending_round(n, recorded, applied, standings.matchdays.fixtures);
  if (!end.refused.empty()) return Diagnostic{command, 0, end.refused};
  SeasonRecordRead read = read_season_record();
  if (!read.record) return read.problem;
  std::vector<std::string> expunged;
  for (const Withdrawal& withdrawal : standings.withdrawals)
    if (withdrawal.expunged) expunged.push_back(withdrawal.team);
  return wind_back(standings, end.entry, *read.record, expunged, applied);
}

}  // namespace league
