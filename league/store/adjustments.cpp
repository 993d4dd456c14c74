#include "league/store/adjustments.h"

#include <utility>

#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/text/integers.h"
#include "common/text/spaces.h"
#include "common/text/wording.h"
#include "league/store/entry_lines.h"
#include "league/store/history.h"
#include "league/store/withdrawals.h"

namespace league {

std::string format_adjustment(const Adjustment& adjustment) {
  return "team " + adjustment.team + "\npoints " + std::to_string(adjustment.points) + "\nreason " +
         adjustment.reason + "\n";
}

AdjustmentFileRead read_adjustment_file(std::string_view text, const std::string& file) {
  EntryLines lines(text, file);
  const auto team = lines.team();
  const auto points = team ? lines.value(1, "points") : std::nullopt;
  if (!points) return {{}, lines.problem()};
  const auto number = parse_whole_int(*points);
  if (!number || *number == 0)
    return {{}, Diagnostic{file, 2, in_quotes(*points) + " is not a whole number of points"}};
  const auto reason = lines.reason();
  if (!reason) return {{}, lines.problem()};
  for (std::size_t extra = 3; extra < lines.lines().size(); ++extra) {
    if (!trimmed(lines.lines()[extra]).empty())
      return {{}, Diagnostic{file, extra + 1, "a line after the reason, where none belongs"}};
  }
  return {{0, 0, std::string(*team), *number, std::string(*reason), {}}, std::nullopt};
}

AdjustmentFileRead read_recorded_adjustment(int round, int number) {
  const std::string dir = adjustment_dir(round, number);
  const std::string file = dir + "/" + kAdjustmentFile;
  const auto text = read_whole_file(file);
  if (!text) return {{}, Diagnostic{file, 0, "is missing or cannot be read"}};
  AdjustmentFileRead read = read_adjustment_file(*text, file);
  read.adjustment.round = round;
  read.adjustment.number = number;
  read.adjustment.applied = std::string(trimmed(read_whole_file(dir + "/applied").value_or("")));
  return read;
}

AdjustmentsRead read_recorded_adjustments() {
  AdjustmentsRead read;
  for (const HistoryEntry& entry : recorded_entries(HistoryEntry::Kind::kAdjustment)) {
    AdjustmentFileRead one = read_recorded_adjustment(entry.round, entry.number);
    if (one.problem)
      read.problems.push_back(std::move(*one.problem));
    else
      read.adjustments.push_back(std::move(one.adjustment));
  }
  return read;
}

std::map<std::string, std::int64_t> adjusted_points(const std::vector<Adjustment>& adjustments) {
  std::map<std::string, std::int64_t> sums;
  for (const Adjustment& adjustment : adjustments) sums[adjustment.team] += adjustment.points;
  return sums;
}

}  // namespace league
