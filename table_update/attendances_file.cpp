#include "table_update/attendances_file.h"

#include <cstddef>

#include "common/console/tool_error.h"
#include "common/text/columns.h"
#include "common/text/integers.h"
#include "common/text/lines.h"
#include "common/text/tokens.h"
#include "common/text/whole_file.h"

namespace league {

namespace {

constexpr std::string_view kHeader =
    "Team                          Hfct   Afct   Pos  Size   SF    Ql    QlF   PF    Stadium "
    "Ticket Av_Ticket";
constexpr std::size_t kTeamWidth = 30;
// Width of each number column, in the order of kAttendanceNumbers.
constexpr std::array<std::size_t, 11> kNumberWidths{7, 7, 6, 6, 6, 6, 6, 6, 9, 9, 9};
// A row is the name and the eleven numbers.
constexpr std::size_t kRowTokens = 12;

[[noreturn]] void refuse_line(std::size_t line) {
  throw ToolError("\nError ! Invalid line " + std::to_string(line) + " in attendances.dat !!");
}

// Appends `text` left-aligned in `width` columns; a text that fills the width or
// more gets one space after it, which keeps it apart from the next column.
void append_column(std::string& out, std::string_view text, std::size_t width) {
  append_padded_left(out, text, width);
  if (text.size() >= width) out += ' ';
}

}  // namespace

std::string read_attendances_file() {
  auto text = read_whole_file("attendances.dat");
  if (!text) throw ToolError("\nError. Failed to open attendances.dat file\n");
  return std::move(*text);
}

std::vector<AttendanceRow> read_attendances(std::string_view text) {
  std::vector<AttendanceRow> rows;
  LineReader lines(text);
  if (!lines.next()) return rows;  // not even a header line
  while (const auto line = lines.next()) {
    const auto tokens = split_tokens(*line, kRowTokens);
    if (tokens.empty()) continue;
    if (tokens.size() < kRowTokens) refuse_line(lines.line_number());
    AttendanceRow row{std::string(tokens[0])};
    for (std::size_t i = 0; i < kAttendanceNumbers.size(); ++i) {
      const auto value = parse_whole_int(tokens[i + 1]);
      if (!value) refuse_line(lines.line_number());
      row.*kAttendanceNumbers[i] = *value;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string write_attendances(const std::vector<AttendanceRow>& rows) {
  std::string out(kHeader);
  std::string number;
  for (const AttendanceRow& row : rows) {
    // A row named "No" stands for no team and is dropped on rewrite.
    if (row.Team == "No") continue;
    out += '\n';
    append_column(out, row.Team, kTeamWidth);
    for (std::size_t i = 0; i < kAttendanceNumbers.size(); ++i) {
      number = std::to_string(row.*kAttendanceNumbers[i]);
      append_column(out, number, kNumberWidths[i]);
    }
  }
  return out;
}

}  // namespace league
