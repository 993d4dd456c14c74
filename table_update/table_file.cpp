#include "table_update/table_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "common/console/tool_error.h"
#include "common/text/columns.h"
#include "common/text/integers.h"
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

[[noreturn]] void refuse_row(std::size_t row) {
  throw ToolError("\nError ! Invalid row " + std::to_string(row) + " in table.txt !!");
}

std::optional<std::int32_t> next_int(TokenScanner& tokens) {
  const auto token = tokens.next();
  return token ? parse_whole_int(*token) : std::nullopt;
}

}  // namespace

std::vector<TableEntry> read_league_table(std::string_view text) {
  TokenScanner tokens(text);
  std::vector<TableEntry> table;
  // One row a line is the usual layout: reserve that many entries up front.
  table.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
  for (int skipped = 0; skipped < kHeaderTokens; ++skipped) {
    if (!tokens.next()) return table;
  }
  // The end of the file where a position would stand ends the table.
  while (const auto position = tokens.next()) {
    const std::size_t row = table.size() + 1;
    if (!parse_whole_int(*position)) refuse_row(row);
    const auto team = tokens.next();
    if (!team) refuse_row(row);
    TableEntry entry{std::string(*team)};
    for (const auto counter : kTableCounters) {
      const auto value = next_int(tokens);
      if (!value) refuse_row(row);
      entry.*counter = *value;
    }
    table.push_back(std::move(entry));
  }
  return table;
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
