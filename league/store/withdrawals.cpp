#include "league/store/withdrawals.h"

#include "common/io/whole_file.h"
#include "common/text/spaces.h"
#include "common/text/wording.h"
#include "league/store/entry_lines.h"
#include "league/store/history.h"

namespace league {

std::string format_withdrawal(const Withdrawal& withdrawal) {
  return "team " + withdrawal.team + "\nrecord " + (withdrawal.expunged ? "expunged" : "kept") +
         "\nreason " + withdrawal.reason + "\n";
}

WithdrawalFileRead read_withdrawal_file(std::string_view text, const std::string& file) {
  EntryLines lines(text, file);
  const auto team = lines.team();
  const auto record = team ? lines.value(1, "record") : std::nullopt;
  if (!record) return {{}, lines.problem()};
  if (*record != "expunged" && *record != "kept")
    return {{}, Diagnostic{file, 2, in_quotes(*record) + " is neither expunged nor kept"}};
  const auto reason = lines.reason();
  if (!reason) return {{}, lines.problem()};
  return {{0, 0, std::string(*team), *record == "expunged", std::string(*reason), {}},
          std::nullopt};
}

bool holds_withdrawal(const std::string& dir) {
  return path_exists(dir + "/" + kWithdrawalFile);
}

namespace {

// The withdrawal kept in the entry folder `dir`, with when it was made.
WithdrawalFileRead read_recorded_withdrawal(const std::string& dir) {
  const std::string file = dir + "/" + kWithdrawalFile;
  const auto text = read_whole_file(file);
  if (!text) return {{}, Diagnostic{file, 0, "cannot be read"}};
  WithdrawalFileRead read = read_withdrawal_file(*text, file);
  read.withdrawal.applied = std::string(trimmed(read_whole_file(dir + "/applied").value_or("")));
  return read;
}

}  // namespace

WithdrawalsRead read_recorded_withdrawals() {
  WithdrawalsRead read;
  for (const HistoryEntry& entry : recorded_entries(HistoryEntry::Kind::kWithdrawal)) {
    WithdrawalFileRead one = read_recorded_withdrawal(entry.dir());
    if (one.problem) {
      read.problems.push_back(std::move(*one.problem));
      continue;
    }
    one.withdrawal.round = entry.round;
    one.withdrawal.number = entry.number;
    read.withdrawals.push_back(std::move(one.withdrawal));
  }
  return read;
}

const Withdrawal* withdrawal_of(const std::vector<Withdrawal>& withdrawals, std::string_view team) {
  for (const Withdrawal& withdrawal : withdrawals) {
    if (withdrawal.team == team) return &withdrawal;
  }
  return nullptr;
}

const Withdrawal* withdrawal_in(const ResultsEntry& entry,
                                const std::vector<Withdrawal>& withdrawals) {
  if (!entry.result) return nullptr;
  for (const MatchSide& side : entry.result->sides) {
    if (const Withdrawal* withdrawal = withdrawal_of(withdrawals, side.team)) return withdrawal;
  }
  return nullptr;
}

}  // namespace league
