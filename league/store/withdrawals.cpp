#include "league/store/withdrawals.h"

#include <algorithm>

#include "common/io/whole_file.h"
#include "common/text/free_text.h"
#include "common/text/lines.h"
#include "common/text/spaces.h"
#include "common/text/wording.h"
#include "league/store/history.h"

namespace league {

std::string format_withdrawal(const Withdrawal& withdrawal) {
  return "team " + withdrawal.team + "\nrecord " + (withdrawal.expunged ? "expunged" : "kept") +
         "\nreason " + withdrawal.reason + "\n";
}

namespace {

// The value of line `index`, which must be "KEY value".
std::optional<std::string_view> value_of(const std::vector<std::string_view>& lines,
                                         std::size_t index, std::string_view key,
                                         const std::string& file,
                                         std::optional<Diagnostic>& problem) {
  if (index >= lines.size()) {
    problem = Diagnostic{file, 0, "ends before its " + std::string(key) + " line"};
    return std::nullopt;
  }
  const std::string_view line = lines[index];
  if (line.size() <= key.size() || !line.starts_with(key) || line[key.size()] != ' ') {
    problem = Diagnostic{file, index + 1,
                         in_quotes(line) + " is not the line " +
                             in_quotes(std::string(key) + " ...") + " that belongs here"};
    return std::nullopt;
  }
  return line.substr(key.size() + 1);
}

}  // namespace

WithdrawalFileRead read_withdrawal_file(std::string_view text, const std::string& file) {
  WithdrawalFileRead read;
  std::vector<std::string_view> lines;
  LineReader reader(text);
  while (const auto line = reader.next()) lines.push_back(without_line_end(*line));
  const auto team = value_of(lines, 0, "team", file, read.problem);
  if (!team) return read;
  if (team->empty() || std::any_of(team->begin(), team->end(), is_space)) {
    read.problem = Diagnostic{file, 1, in_quotes(*team) + " is not a team name"};
    return read;
  }
  const auto record = value_of(lines, 1, "record", file, read.problem);
  if (!record) return read;
  if (*record != "expunged" && *record != "kept") {
    read.problem = Diagnostic{file, 2, in_quotes(*record) + " is neither expunged nor kept"};
    return read;
  }
  const auto reason = value_of(lines, 2, "reason", file, read.problem);
  if (!reason) return read;
  if (const auto problem = free_text_problem(*reason)) {
    read.problem = Diagnostic{file, 3, "the reason " + *problem};
    return read;
  }
  read.withdrawal.team = std::string(*team);
  read.withdrawal.expunged = *record == "expunged";
  read.withdrawal.reason = std::string(*reason);
  return read;
}

bool holds_withdrawal(const std::string& dir) {
  return path_exists(dir + "/" + kWithdrawalFile);
}

namespace {

// The withdrawal kept in the entry folder `dir`, with when it was made.
WithdrawalFileRead read_recorded_withdrawal(const std::string& dir) {
  const std::string file = dir + "/" + kWithdrawalFile;
  const auto text = read_whole_file(file);
  if (!text) {
    WithdrawalFileRead missing;
    missing.problem = Diagnostic{file, 0, "cannot be read"};
    return missing;
  }
  WithdrawalFileRead read = read_withdrawal_file(*text, file);
  read.withdrawal.applied = std::string(trimmed(read_whole_file(dir + "/applied").value_or("")));
  return read;
}

}  // namespace

WithdrawalsRead read_recorded_withdrawals() {
  WithdrawalsRead read;
  std::vector<int> rounds = recorded_rounds();
  rounds.insert(rounds.begin(), 0);
  for (const int round : rounds) {
    for (const int number : recorded_adjustments(round)) {
      const std::string dir = adjustment_dir(round, number);
      if (!holds_withdrawal(dir)) continue;
      WithdrawalFileRead one = read_recorded_withdrawal(dir);
      if (one.problem) {
        read.problems.push_back(std::move(*one.problem));
        continue;
      }
      one.withdrawal.round = round;
      one.withdrawal.number = number;
      read.withdrawals.push_back(std::move(one.withdrawal));
    }
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
