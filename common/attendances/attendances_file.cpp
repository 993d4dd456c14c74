#include "common/attendances/attendances_file.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "common/io/league_files.h"
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

// Appends `text` left-aligned in `width` columns; a text that fills the width or
// more gets one space after it, which keeps it apart from the next column.
void append_column(std::string& out, std::string_view text, std::size_t width) {
  append_padded_left(out, text, width);
  if (text.size() >= width) out += ' ';
}

}  // namespace

AttendancesRead read_attendances(std::string_view text) {
  AttendancesRead read;
  const auto line_count = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  read.rows.reserve(line_count);
  read.lines.reserve(line_count);
  LineReader lines(text);
  if (!lines.next()) return read;  // not even a header line
  while (const auto line = lines.next()) {
    TokenScanner tokens(*line);
    const auto team = tokens.next();
    if (!team) continue;  // a blank line
    AttendanceRow row{std::string(*team)};
    for (const auto number : kAttendanceNumbers) {
      const auto token = tokens.next();
      const auto value = token ? parse_whole_int(*token) : std::nullopt;
      if (!value) {
        read.problem = Diagnostic{kAttendancesFile, lines.line_number(),
                                  "does not read as a team and eleven whole numbers"};
        return read;
      }
      row.*number = *value;
    }
    read.rows.push_back(std::move(row));
    read.lines.push_back(lines.line_number());
  }
  return read;
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
