#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <ostream>

#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/table/table_file.h"
#include "common/table/table_results.h"
#include "common/text/integers.h"
#include "common/text/wording.h"
#include "league/commands/command.h"
#include "league/names/team_lookup.h"
#include "league/names/team_name.h"
#include "league/store/adjustments.h"
#include "league/store/history.h"
#include "league/store/reading.h"

namespace league {

namespace {

struct AdjustOptions {
  std::string team;
  std::string points;  // as typed: "-3", "+3" or "3"
  std::string reason;
};

// Ends `league adjust` over what its command line gives.
[[noreturn]] void refuse_arguments(const std::string& what) {
  fail({"league adjust", 0, what + "; nothing changed"});
}

std::int32_t points_of(const std::string& typed) {
  const auto points = parse_whole_int(typed);
  if (!points)
    refuse_arguments(in_quotes(typed) + " is not a whole number of points (such as -3 or +3)");
  if (*points == 0)
    refuse_arguments("0 points change nothing; give the points to take away (-3) or add (+3)");
  return *points;
}

// The row of the team typed (in the written or the stored form) in the
// table; an unknown team ends the command with the teams it may mean.
std::size_t row_of(const std::string& typed, const TableRead& table) {
  const std::vector<std::string> teams = team_names(table.rows);
  const TeamNames names(teams);
  const auto found = names.find_exact(typed);
  if (!found) refuse_arguments(not_a_team(typed, names));
  const std::string& team = teams[*found];
  if (std::find(teams.begin() + static_cast<std::ptrdiff_t>(*found) + 1, teams.end(), team) !=
      teams.end()) {
    fail({kTableFile, table.lines[*found],
          written_form(team) +
              " stands in the table more than once, so league adjust cannot tell which row "
              "to change; nothing changed"});
  }
  return *found;
}

// "3 points deducted", "1 point awarded".
std::string points_phrase(std::int32_t points) {
  const std::int64_t size = points < 0 ? -std::int64_t{points} : points;
  return std::to_string(size) + (size == 1 ? " point " : " points ") +
         (points < 0 ? "deducted" : "awarded");
}

std::size_t place_of(const std::string& team, const std::vector<TableEntry>& table) {
  const std::vector<std::string> teams = team_names(table);
  return static_cast<std::size_t>(std::find(teams.begin(), teams.end(), team) - teams.begin()) + 1;
}

}  // namespace

int adjust_points(const AdjustOptions& options, CommandContext& context) {
  std::ostream& out = context.out;
  if (options.team.empty() || options.points.empty())
    refuse_arguments("give the team and the points: league adjust TEAM POINTS --reason TEXT");
  const std::int32_t points = points_of(options.points);
  const std::string reason = reason_or_refuse(options.reason, "league adjust");

  auto [table_file, table] = league_table_or_fail("; nothing changed");
  const std::size_t row = row_of(options.team, table);
  TableEntry& entry = table.rows[row];
  const std::string team = entry.Team;
  const std::string shown = written_form(team);
  const std::int32_t points_before = entry.Pts;
  const auto points_after = checked_add(entry.Pts, points);
  if (!points_after) {
    refuse_arguments(shown + "'s " + std::to_string(entry.Pts) + " points and " +
                     std::to_string(points) + " more leave the numbers " + kTableFile +
                     " can hold");
  }
  entry.Pts = *points_after;
  std::vector<TableEntry> ordered = std::move(table.rows);
  order_league_table(ordered);
  const std::string after = format_league_table(ordered);

  // The adjustment's folder under the last round, the new table and
  // `applied`, which makes the adjustment count, as one transaction.
  const int round = last_round();
  const Adjustment adjustment{round, next_entry_number(round), team, points, reason, {}};
  const HistoryEntry recorded{HistoryEntry::Kind::kAdjustment, adjustment.round, adjustment.number};
  const std::vector<FileChange> changes =
      record_entry_changes(recorded, {{kAdjustmentFile, format_adjustment(adjustment)}},
                           {{kTableFile, table_file.bytes}}, {{kTableFile, after}});
  apply_or_fail(context.lock, "the adjustment of " + shown + "'s points", changes);

  const std::size_t place_before = row + 1;
  const std::size_t place_after = place_of(team, ordered);
  out << shown << ": " << points_phrase(points) << " (" << reason << "); " << points_before
      << " points before, " << *points_after << " now; place " << place_after << " in "
      << kTableFile;
  if (place_after != place_before) out << " (was " << place_before << ")";
  out << ".\n";
  return 0;
}

CommandRun adjust_command(CLI::App& command) {
  auto options = std::make_shared<AdjustOptions>();
  command.add_option("TEAM", options->team, "The team, as written or as table.txt names it");
  command.add_option("POINTS", options->points,
                     "The points to add: -3 deducts three, +3 or 3 awards three");
  command.add_option("--reason", options->reason,
                     "Why: shown with the adjustment on the page (required)");
  return [options](CommandContext& context) { return adjust_points(*options, context); };
}

}  // namespace league
