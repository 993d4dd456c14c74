#include "league/check_form.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "common/console/tool_error.h"
#include "common/text/lines.h"
#include "common/text/tokens.h"
#include "form_update/form_table.h"
#include "league/near_match.h"

namespace league {

namespace {

constexpr const char* kFile = "form.txt";

// form_update skips two header lines and then reads one row from each line
// that is not blank, so each such line read behind two empty header lines
// reads exactly as that row reads in the whole file.
constexpr int kHeaderLines = 2;

void check_letters(const FormEntry& entry, std::size_t line, CheckReport& report) {
  const std::string_view letters = entry.form.letters();
  std::string wrong;
  for (const char c : letters) {
    if (c != 'W' && c != 'D' && c != 'L' && wrong.find(c) == std::string::npos) wrong += c;
  }
  if (!wrong.empty()) {
    report.problem(kFile, line,
                   entry.Team + ": the form " + std::string(letters) + " holds " + wrong +
                       "; only W, D and L stand for results");
  }
}

}  // namespace

void check_form(std::string_view text, const CheckedTable* table, CheckReport& report) {
  LineReader lines(text);
  for (int skipped = 0; skipped < kHeaderLines; ++skipped) lines.next();

  std::vector<std::string> table_teams;
  if (table != nullptr) {
    for (const TableEntry& row : table->rows) table_teams.push_back(row.Team);
  }
  std::map<std::string, std::size_t> first_line;
  std::size_t rows = 0;
  bool damaged = false;
  while (const auto line = lines.next()) {
    if (split_tokens(*line, 1).empty()) continue;
    ++rows;
    std::vector<FormEntry> read;
    try {
      read = read_form_table(std::string(2, '\n').append(*line));
    } catch (const ToolError&) {
      report.problem(kFile, lines.line_number(),
                     "row " + std::to_string(rows) +
                         " does not read as a position and a team; form_update refuses the table");
      damaged = true;
      continue;
    }
    for (const FormEntry& entry : read) {
      check_letters(entry, lines.line_number(), report);
      const auto [seen, added] = first_line.try_emplace(entry.Team, lines.line_number());
      if (!added) {
        report.problem(kFile, lines.line_number(),
                       entry.Team + " has a second row (the first is on line " +
                           std::to_string(seen->second) + ")");
      } else if (table != nullptr && std::find(table_teams.begin(), table_teams.end(),
                                               entry.Team) == table_teams.end()) {
        std::string message = entry.Team + " is not a team of table.txt";
        if (const auto match = near_match(entry.Team, table_teams)) {
          message += "; did you mean " + *match + "?";
        }
        report.problem(kFile, lines.line_number(), message);
      }
    }
  }
  // A team whose row does not read may well be there: it is not named.
  if (table == nullptr || damaged) return;
  for (const TableEntry& row : table->rows) {
    if (first_line.count(row.Team) == 0) {
      report.problem(kFile, 0, "no row for " + row.Team + ", a team of table.txt");
    }
  }
}

}  // namespace league
