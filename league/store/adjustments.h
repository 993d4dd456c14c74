#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/io/diagnostic.h"
#include "league/store/history.h"
#include "league/store/transaction.h"

namespace league {

// Points that `league adjust` deducted from a team or awarded to it, kept in
// history/<n>/adjustments/<k>/ (see history.h). `league undo` takes back the
// last adjustment of the last round's folder before that round itself.
//
// The file `adjustment` is UTF-8, three lines:
//
//   team Carrow
//   points -3
//   reason fielded an ineligible player

struct Adjustment {
  int round = 0;   // n: the round it followed
  int number = 0;  // k: its place among the adjustments after that round
  std::string team;
  std::int32_t points = 0;  // negative: deducted
  std::string reason;
  std::string applied;  // "2027-01-12 18:20"
};

// The text of an `adjustment` file.
std::string format_adjustment(const Adjustment& adjustment);

// Reads the text of an `adjustment` file (team, points and reason); `file`
// names it in the problem.
struct AdjustmentFileRead {
  Adjustment adjustment;
  std::optional<Diagnostic> problem;
};
AdjustmentFileRead read_adjustment_file(std::string_view text, const std::string& file);

// Adjustment k of round n with the time it was applied, as history/ keeps it.
AdjustmentFileRead read_recorded_adjustment(int round, int number);

// Every complete adjustment in history/, oldest first, and a problem for each
// one whose file is missing or does not read.
struct AdjustmentsRead {
  std::vector<Adjustment> adjustments;
  std::vector<Diagnostic> problems;
};
AdjustmentsRead read_recorded_adjustments();

// The sum of the adjustments of each team.
std::map<std::string, std::int64_t> adjusted_points(const std::vector<Adjustment>& adjustments);

// The file `adjustment`'s name in an adjustment's folder.
inline constexpr const char* kAdjustmentFile = "adjustment";

}  // namespace league
