#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"
#include "common/results/results_file.h"

namespace league {

// A club that `league withdraw` took out of the season, kept in
// history/<n>/adjustments/<k>/ (see history.h): the k-th entry after round n,
// which holds the file `withdrawal` in place of `adjustment`. Its record is
// either expunged (every match of it replayed away, the club out of
// table.txt, form.txt and attendances.dat) or kept (the table as it stands).
// Either way its fixtures still to play are void in fixtures.txt.
//
// The file `withdrawal` is UTF-8, three lines:
//
//   team Carrow
//   record expunged          (or: record kept)
//   reason folded in October

struct Withdrawal {
  int round = 0;   // n: the round it followed
  int number = 0;  // k: its place among the entries after that round
  std::string team;
  bool expunged = false;
  std::string reason;
  std::string applied;  // "2027-01-12 18:20"
};

// The text of a `withdrawal` file.
std::string format_withdrawal(const Withdrawal& withdrawal);

// Reads the text of a `withdrawal` file; `file` names it in the problem.
struct WithdrawalFileRead {
  Withdrawal withdrawal;
  std::optional<Diagnostic> problem;
};
WithdrawalFileRead read_withdrawal_file(std::string_view text, const std::string& file);

// Whether the entry folder `dir` holds a withdrawal rather than an adjustment.
bool holds_withdrawal(const std::string& dir);

// Every complete withdrawal in history/, oldest first, and a problem for each
// one whose file does not read.
struct WithdrawalsRead {
  std::vector<Withdrawal> withdrawals;
  std::vector<Diagnostic> problems;
};
WithdrawalsRead read_recorded_withdrawals();

// The withdrawal of `team`, nothing when it has not withdrawn.
const Withdrawal* withdrawal_of(const std::vector<Withdrawal>& withdrawals, std::string_view team);

// The withdrawal of a club that the result names (home first), nothing when
// both clubs are still in the season.
const Withdrawal* withdrawal_in(const ResultsEntry& entry,
                                const std::vector<Withdrawal>& withdrawals);

// The file `withdrawal`'s name in its entry's folder.
inline constexpr const char* kWithdrawalFile = "withdrawal";

}  // namespace league
