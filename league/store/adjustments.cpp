#include "league/store/adjustments.h"

#include <algorithm>
#include <utility>

#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/text/free_text.h"
#include "common/text/integers.h"
#include "common/text/lines.h"
#include "common/text/spaces.h"
#include "common/text/wording.h"
#include "league/store/history.h"
#include "league/store/withdrawals.h"

namespace league {

std::vector<std::pair<int, int>> adjustment_places() {
  std::vector<int> rounds = recorded_rounds();
  rounds.insert(rounds.begin(), 0);
  std::vector<std::pair<int, int>> places;
  for (const int round : rounds) {
    for (const int number : recorded_adjustments(round)) {
      if (!path_exists(adjustment_dir(round, number) + "/" + kWithdrawalFile))
        places.emplace_back(round, number);
    }
  }
  return places;
}

std::string format_adjustment(const Adjustment& adjustment) {
  return "team " + adjustment.team + "\npoints " + std::to_string(adjustment.points) + "\nreason " +
         adjustment.reason + "\n";
}

AdjustmentFileRead read_adjustment_file(std::string_view text, const std::string& file) {
  AdjustmentFileRead read;
  std::vector<std::string_view> lines;
  LineReader reader(text);
  while (const auto line = reader.next()) lines.push_back(without_line_end(*line));
  const auto value = [&](std::size_t index,
                         std::string_view key) -> std::optional<std::string_view> {
    if (index >= lines.size()) {
      read.problem = Diagnostic{file, 0, "ends before its " + std::string(key) + " line"};
      return std::nullopt;
    }
    const std::string_view line = lines[index];
    if (line.size() <= key.size() || !line.starts_with(key) || line[key.size()] != ' ') {
      read.problem = Diagnostic{file, index + 1,
                                in_quotes(line) + " is not the line " +
                                    in_quotes(std::string(key) + " ...") + " that belongs here"};
      return std::nullopt;
    }
    return line.substr(key.size() + 1);
  };

  const auto team = value(0, "team");
  if (!team) return read;
  if (team->empty() || std::any_of(team->begin(), team->end(), is_space)) {
    read.problem = Diagnostic{file, 1, in_quotes(*team) + " is not a team name"};
    return read;
  }
  const auto points = value(1, "points");
  if (!points) return read;
  const auto number = parse_whole_int(*points);
  if (!number || *number == 0) {
    read.problem = Diagnostic{file, 2, in_quotes(*points) + " is not a whole number of points"};
    return read;
  }
  const auto reason = value(2, "reason");
  if (!reason) return read;
  if (const auto problem = free_text_problem(*reason)) {
    read.problem = Diagnostic{file, 3, "the reason " + *problem};
    return read;
  }
  for (std::size_t extra = 3; extra < lines.size(); ++extra) {
    if (!trimmed(lines[extra]).empty()) {
      read.problem = Diagnostic{file, extra + 1, "a line after the reason, where none belongs"};
      return read;
    }
  }
  read.adjustment.team = std::string(*team);
  read.adjustment.points = *number;
  read.adjustment.reason = std::string(*reason);
  return read;
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
  for (const auto& [round, number] : adjustment_places()) {
    AdjustmentFileRead one = read_recorded_adjustment(round, number);
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
