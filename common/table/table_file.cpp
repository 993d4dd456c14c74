#include "common/table/table_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "common/text/columns.h"
#include "common/text/integers.h"
#include "common/text/lines.h"
#include "common/text/tokens.h"

namespace league {

namespace {

constexpr std::string_view kHeader =
    "Pl   Team                      P    W   D   L    GF   GA   GD   Pts\n";
constexpr std::size_t kRowWidth = 67;
// The header line has ten words; the dash line is one more token.
constexpr int kHeaderTokens = 11;
// Width of each counter column, in the order of kTableCounters.
constexpr std::array<std::size_t, 8> kCounterWidths{3, 4, 3, 3, 5, 4, 4, 5};

}  // namespace

TableRead read_league_table(std::string_view text, const std::string& file) {
  TokenScanner tokens(text);
  LineCounter lines(text);
  TableRead read;
  // One row a line is the usual layout: reserve that many entries up front.
  const auto line_count = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  read.rows.reserve(line_count);
  read.lines.reserve(line_count);
  for (int skipped = 0; skipped < kHeaderTokens; ++skipped) {
    if (!tokens.next()) return read;
  }
  std::size_t last_line = 0;  // where the last row read ends
  // The end of the file where a position would stand ends the table.
  while (const auto position = tokens.next()) {
    const std::size_t line = lines.line_of(*position);
    std::string_view last_token;
    std::optional<TableEntry> entry;
    if (parse_whole_int(*position)) {
      if (const auto team = tokens.next()) {
        entry = TableEntry{std::string(*team)};
        for (const auto counter : kTableCounters) {
          const auto token = tokens.next();
          const auto value = token ? parse_whole_int(*token) : std::nullopt;
          if (!value) {
            entry.reset();
            break;
          }
          entry.value().*counter = *value;
          last_token = *token;
        }
      }
    }
    if (!entry) {
      const std::size_t row = read.rows.size() + 1;
      // A row a number short takes the next row's position for its last
      // number, and that row's team then fails as a position: the fault is the
      // row before, which ran onto this line.
      if (row > 1 && last_line == line && read.lines.back() != line) {
        read.problem = Diagnostic{file, read.lines.back(),
                                  "row " + std::to_string(row - 1) + " (" + read.rows.back().Team +
                                      ") is a number short"};
      } else {
        read.problem =
            Diagnostic{file, line,
                       "row " + std::to_string(row) +
                           " does not read as a position, a team and eight whole numbers"};
      }
      return read;
    }
    read.rows.push_back(std::move(*entry));
    read.lines.push_back(line);
    last_line = lines.line_of(last_token);
  }
  return read;
}

std::string format_league_table(const std::vector<TableEntry>& table) {
  std::string text(kHeader);
  text.append(kRowWidth, '-');
  text += '\n';
  std::int32_t position = 0;
  for (const TableEntry& entry : table) {
    append_int_left(text, ++position, 4);
    text += ' ';
    append_padded_left(text, entry.Team, 23);
    for (std::size_t c = 0; c < kTableCounters.size(); ++c) {
      text += ' ';
      append_int_right(text, entry.*kTableCounters[c], kCounterWidths[c]);
    }
    text += '\n';
  }
  return text;
}

}  // namespace league
