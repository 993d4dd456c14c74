#include "league/check_table.h"

#include <cstdint>
#include <map>

#include "common/console/tool_error.h"
#include "common/text/tokens.h"
#include "league/check_lines.h"
#include "table_update/table_file.h"

namespace league {

namespace {

constexpr const char* kFile = "table.txt";

// table_update reads table.txt as tokens: the ten header words and the dash
// line, then ten tokens a row (position, team, eight counters).
constexpr int kHeaderTokens = 11;
constexpr int kRowTokens = 10;

// The table's text cut where each row's tokens start: the header, then one
// piece per row (the last may be cut short). Each piece, read behind the
// header, reads exactly as that row reads in the whole table.
struct TablePieces {
  std::string_view header;
  std::vector<std::string_view> rows;
};

TablePieces cut_into_rows(std::string_view text) {
  TokenScanner tokens(text);
  std::vector<std::size_t> starts;
  for (int index = 0;; ++index) {
    const auto token = tokens.next();
    if (!token) break;
    if (index >= kHeaderTokens && (index - kHeaderTokens) % kRowTokens == 0) {
      starts.push_back(static_cast<std::size_t>(token->data() - text.data()));
    }
  }
  TablePieces pieces{starts.empty() ? text : text.substr(0, starts.front()), {}};
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : text.size();
    pieces.rows.push_back(text.substr(starts[i], end - starts[i]));
  }
  return pieces;
}

void check_row(const TableEntry& row, std::size_t line, CheckReport& report) {
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
  if (row.Pts != points) {
    report.note(kFile, line,
                row.Team + ": Pts is " + std::to_string(row.Pts) +
                    ", not 3W+D = " + std::to_string(points) + " (points deducted?)");
  }
}

void check_totals(const std::vector<TableEntry>& rows, CheckReport& report) {
  std::int64_t won = 0, lost = 0, scored = 0, conceded = 0;
  for (const TableEntry& row : rows) {
    won += row.W;
    lost += row.L;
    scored += row.GF;
    conceded += row.GA;
  }
  if (won != lost) {
    report.problem(kFile, 0,
                   "all W add up to " + std::to_string(won) + ", but all L to " +
                       std::to_string(lost) + "; every win is another team's loss");
  }
  if (scored != conceded) {
    report.problem(kFile, 0,
                   "all GF add up to " + std::to_string(scored) + ", but all GA to " +
                       std::to_string(conceded) + "; every goal scored is one conceded");
  }
}

}  // namespace

std::optional<CheckedTable> check_table(std::string_view text, CheckReport& report) {
  const TablePieces pieces = cut_into_rows(text);
  bool whole = true;
  try {
    read_league_table(text);
  } catch (const ToolError&) {
    whole = false;
  }

  // Row by row, so that a damaged row is found with its line; the rows that
  // read before it are still checked.
  CheckedTable table;
  std::optional<std::size_t> damaged;  // the index of the row that does not read
  for (std::size_t i = 0; i < pieces.rows.size() && !damaged; ++i) {
    try {
      for (TableEntry& row : read_league_table(std::string(pieces.header).append(pieces.rows[i]))) {
        table.rows.push_back(std::move(row));
        table.lines.push_back(line_of(text, pieces.rows[i]));
      }
    } catch (const ToolError&) {
      damaged = i;
    }
  }

  std::map<std::string_view, std::size_t> first_line;
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const TableEntry& row = table.rows[i];
    check_row(row, table.lines[i], report);
    const auto [seen, added] = first_line.try_emplace(row.Team, table.lines[i]);
    if (!added) {
      report.problem(kFile, table.lines[i],
                     row.Team + " stands in the table a second time (first on line " +
                         std::to_string(seen->second) + ")");
    }
  }
  if (damaged) {
    report.problem(kFile, line_of(text, pieces.rows[*damaged]),
                   "row " + std::to_string(*damaged + 1) +
                       " does not read as a position, a team and eight whole numbers; "
                       "table_update refuses the table, and the rows after it are not checked");
  }
  if (!whole && !damaged) report.problem(kFile, 0, "does not read; table_update refuses it");
  if (!whole) return std::nullopt;
  check_totals(table.rows, report);
  return table;
}

}  // namespace league
