#include "league/store/season_record.h"

#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "league/store/adjustments.h"
#include "league/store/history.h"
#include "league/store/withdrawals.h"

namespace league {

namespace {

// A kept file as the tools read it (a byte-order mark dropped).
std::optional<std::string> kept_text(const std::string& path) {
  auto bytes = read_whole_file(path);
  if (bytes) bytes->erase(0, byte_order_mark_length(*bytes));
  return bytes;
}

Diagnostic unreadable(const std::string& path) {
  return {path, 0, "cannot be read, so the season cannot be replayed from history/"};
}

// Builds the record entry by entry, the first entry's before/ files first.
class RecordBuilder {
 public:
  // The first kept copy that does not read, if any.
  std::optional<Diagnostic> problem;

  void add_adjustment(const Adjustment& adjustment) {
    const HistoryEntry entry{HistoryEntry::Kind::kAdjustment, adjustment.round, adjustment.number};
    start_table(entry.dir() + "/before/");
    record_.steps.push_back({RecordedStep::Kind::kAdjustment,
                             entry.dir() + "/" + kAdjustmentFile,
                             {},
                             adjustment.team,
                             adjustment.points});
  }

  void add_round(int round) {
    const std::string dir = round_dir(round) + "/";
    if (!record_.form) {
      start_table(dir + "before/");
      record_.form = text_of(dir + "before/" + kFormFile);
      record_.attendances = kept_text(dir + "before/" + kAttendancesFile);
    }
    auto results = text_of(dir + kResultsFile);
    record_.steps.push_back(
        {RecordedStep::Kind::kRound, dir + kResultsFile, results.value_or(std::string()), {}, 0});
  }

  SeasonRecordRead result() {
    if (problem) return {std::nullopt, problem};
    return {std::move(record_), std::nullopt};
  }

 private:
  void start_table(const std::string& before) {
    if (started_) return;
    started_ = true;
    record_.table = text_of(before + kTableFile).value_or(std::string());
  }

  std::optional<std::string> text_of(const std::string& path) {
    auto text = kept_text(path);
    if (!text && !problem) problem = unreadable(path);
    return text;
  }

  SeasonRecord record_;
  bool started_ = false;
};

}  // namespace

SeasonRecordRead read_season_record() {
  const std::vector<int> rounds = recorded_rounds();
  const AdjustmentsRead adjustments = read_recorded_adjustments();
  if (!adjustments.problems.empty()) return {std::nullopt, adjustments.problems.front()};
  if (rounds.empty() && adjustments.adjustments.empty()) return {};
  // Adjustment (n, k) came after round n and before round n + 1.
  RecordBuilder builder;
  std::size_t next = 0;
  const auto adjustments_up_to = [&](int round) {
    for (; next < adjustments.adjustments.size() && adjustments.adjustments[next].round <= round;
         ++next)
      builder.add_adjustment(adjustments.adjustments[next]);
  };
  for (const int round : rounds) {
    adjustments_up_to(round - 1);
    builder.add_round(round);
  }
  adjustments_up_to(rounds.empty() ? 0 : rounds.back());
  return builder.result();
}

ExpectedTable table_by_history() {
  SeasonRecordRead read = read_season_record();
  if (!read.record) return {std::nullopt, read.problem};
  // A club expunged is replayed away from the season's start.
  const WithdrawalsRead withdrawals = read_recorded_withdrawals();
  if (!withdrawals.problems.empty()) return {std::nullopt, withdrawals.problems.front()};
  std::vector<std::string> expunged;
  for (const Withdrawal& withdrawal : withdrawals.withdrawals)
    if (withdrawal.expunged) expunged.push_back(withdrawal.team);
  SeasonReplay replay = replay_season(*read.record, expunged);
  if (replay.problem) return {std::nullopt, replay.problem};
  return {std::move(replay.tables.table), std::nullopt};
}

namespace {

bool same_counts(const TableEntry& a, const TableEntry& b) {
  for (const auto counter : kTableCounters) {
    if (a.*counter != b.*counter) return false;
  }
  return a.Team == b.Team;
}

std::string counts_of(const TableEntry& row) {
  return std::to_string(row.P) + " games, " + std::to_string(row.Pts) + " points";
}

}  // namespace

std::optional<Diagnostic> table_against_history(const std::vector<TableEntry>& table) {
  const ExpectedTable expected = table_by_history();
  if (expected.problem) return expected.problem;
  if (!expected.table) return std::nullopt;
  std::vector<TableEntry> here = table;
  std::vector<TableEntry> there = *expected.table;
  const auto by_team = [](const TableEntry& a, const TableEntry& b) { return a.Team < b.Team; };
  std::stable_sort(here.begin(), here.end(), by_team);
  std::stable_sort(there.begin(), there.end(), by_team);
  const std::string what = "not what history/'s rounds and adjustments give";
  for (std::size_t i = 0; i < here.size() && i < there.size(); ++i) {
    if (same_counts(here[i], there[i])) continue;
    if (here[i].Team != there[i].Team)
      return Diagnostic{kTableFile, 0, what + ": " + here[i].Team + " is no team of theirs"};
    return Diagnostic{kTableFile, 0,
                      what + ": " + here[i].Team + " has " + counts_of(here[i]) + " here, " +
                          counts_of(there[i]) + " by history/"};
  }
  if (here.size() != there.size())
    return Diagnostic{kTableFile, 0,
                      what + ": " + std::to_string(here.size()) + " teams here, " +
                          std::to_string(there.size()) + " by history/"};
  return std::nullopt;
}

}  // namespace league
