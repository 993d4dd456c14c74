#include "table_update/attendances_file.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "common/console/tool_error.h"
#include "common/io/whole_file.h"
#include "common/text/columns.h"
#include "common/text/integers.h"
#include "common/text/lines.h"
#include "common/text/tokens.h"

namespace league {

namespace {

constexpr std::string_view kHeader =
    "Team                          Hfct   Afct   Pos  Size   SF    Ql    QlF   PF    Stadium "
    "Ticket Av_Ticket";
constexpr std::size_t kTeamWidth = 30;
// Width of each number column, in the order of kAttendanceNumbers.
constexpr std::array<std::size_t, 11> kNumberWidths{7, 7, 6, 6, 6, 6, 6, 6, 9, 9, 9};

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
  return read_league_file_or_fail("attendances.dat",
                                  "\nError. Failed to open attendances.dat file\n");
}

std::vector<AttendanceRow> read_attendances(std::string_view text) {
  std::vector<AttendanceRow> rows;
  rows.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
  LineReader lines(text);
  if (!lines.next()) return rows;  // not even a header line
  while (const auto line = lines.next()) {
    TokenScanner tokens(*line);
    const auto team = tokens.next();
    if (!team) continue;  // a blank line
    AttendanceRow row{std::string(*team)};
    for (const auto number : kAttendanceNumbers) {
      const auto token = tokens.next();
      const auto value = token ? parse_whole_int(*token) : std::nullopt;
      if (!value) refuse_line(lines.line_number());
      row.*number = *value;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string format_attendances(const std::vector<AttendanceRow>& rows) {
  std::string text(kHeader);
  for (const AttendanceRow& row : rows) {
    // A row named "No" stands for no team and is dropped on rewrite.
    if (row.Team == "No") continue;
    text += '\n';
    append_column(text, row.Team, kTeamWidth);
    for (std::size_t i = 0; i < kAttendanceNumbers.size(); ++i) {
      append_column(text, std::to_string(row.*kAttendanceNumbers[i]), kNumberWidths[i]);
    }
  }
  return text;
}

}  // namespace league
