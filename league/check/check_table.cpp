#include "league/check/check_table.h"

#include <cstdint>
#include <map>

#include "common/io/league_files.h"
#include "common/table/table_results.h"

namespace league {

namespace {

constexpr const char* kFile = kTableFile;

void check_row(const TableEntry& row, std::size_t line, std::int64_t adjusted,
               CheckReport& report) {
  const std::int64_t games = std::int64_t{row.W} + row.D + row.L;
  if (row.P != games) {
    report.problem(
        kFile, line,
        row.Team + ": P is " + std::to_string(row.P) + ", but W+D+L is " + std::to_string(games));
  }
  const std::int64_t difference = std::int64_t{row.GF} - row.GA;
  if (row.GD != difference) {
    report.problem(kFile, line,
                   row.Team + ": GD is " + std::to_string(row.GD) + ", but GF-GA is " +
                       std::to_string(difference));
  }
  const std::int64_t points = std::int64_t{row.W} * 3 + row.D;
  if (adjusted != 0 && row.Pts != points + adjusted) {
    report.note(kFile, line,
                row.Team + ": Pts is " + std::to_string(row.Pts) + ", not 3W+D+adjustments = " +
                    std::to_string(points) + (adjusted > 0 ? "+" : "") + std::to_string(adjusted) +
                    " = " + std::to_string(points + adjusted));
  } else if (adjusted == 0 && row.Pts != points) {
    report.note(kFile, line,
                row.Team + ": Pts is " + std::to_string(row.Pts) + ", not 3W+D = " +
                    std::to_string(points) + " (points deducted? league adjust records it)");
  }
  if (row.Team == "No") {
    report.problem(kFile, line,
                   "a team named No: table_update drops the row of that name from " +
                       std::string(kAttendancesFile) + "; rename it");
  }
}

void check_totals(const std::vector<TableEntry>& rows, CheckReport& report) {
  std::int64_t won = 0, drawn = 0, lost = 0, played = 0, scored = 0, conceded = 0;
  for (const TableEntry& row : rows) {
    won += row.W;
    drawn += row.D;
    lost += row.L;
    played += row.P;
    scored += row.GF;
    conceded += row.GA;
  }
  if (won != lost) {
    report.problem(kFile, 0,
                   "all W add up to " + std::to_string(won) + ", but all L to " +
                       std::to_string(lost) + "; every win is another team's loss");
  }
  if (drawn % 2 != 0) {
    report.problem(kFile, 0,
                   "all D add up to " + std::to_string(drawn) +
                       ", an odd number; every draw counts for both teams");
  }
  if (played % 2 != 0) {
    report.problem(kFile, 0,
                   "all P add up to " + std::to_string(played) +
                       ", an odd number; every game counts for both teams");
  }
  if (scored != conceded) {
    report.problem(kFile, 0,
                   "all GF add up to " + std::to_string(scored) + ", but all GA to " +
                       std::to_string(conceded) + "; every goal scored is one conceded");
  }
}

// A note at the first row that table_update's order would move.
void check_order(const TableRead& table, CheckReport& report) {
  std::vector<TableEntry> ordered = table.rows;
  order_league_table(ordered);
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    if (ordered[i].Team != table.rows[i].Team) {
      report.note(kFile, table.lines[i],
                  "the table is out of order here: by points, goal difference and goals for, " +
                      ordered[i].Team + " stands above " + table.rows[i].Team +
                      "; the next round puts it in order");
      return;
    }
  }
}

}  // namespace

std::optional<TableRead> check_table(std::string_view text, CheckReport& report,
                                     const std::map<std::string, std::int64_t>& adjusted) {
  TableRead table = read_league_table(text, kFile);
  std::map<std::string_view, std::size_t> first_line;
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const TableEntry& row = table.rows[i];
    const auto sum = adjusted.find(row.Team);
    check_row(row, table.lines[i], sum == adjusted.end() ? 0 : sum->second, report);
    const auto [seen, added] = first_line.try_emplace(row.Team, table.lines[i]);
    if (!added) {
      report.problem(kFile, table.lines[i],
                     row.Team + " stands in the table a second time (first on line " +
                         std::to_string(seen->second) + ")");
    }
  }
  if (table.problem) {
    table.problem->what +=
        "; table_update refuses the table, and the rows after it are not checked";
    report.problem(std::move(*table.problem));
    return std::nullopt;
  }
  check_totals(table.rows, report);
  check_order(table, report);
  return table;
}

}  // namespace league
