#include "common/roster/fixed_reader.h"

#include <cstdint>
#include <string>

#include "common/roster/roster_layout.h"
#include "common/text/integers.h"
#include "common/text/spaces.h"

namespace league {

namespace {

// Reads the values of one line the way a formatted scan does: each value skips
// the white space before it and starts exactly where the previous one ended.
class ValueScanner {
 public:
  explicit ValueScanner(std::string_view line) : line_(line) {}

  // A run of non-white-space characters; nothing at the end of the line.
  bool read_text(std::string& into) {
    skip_space();
    const std::size_t start = pos_;
    while (pos_ < line_.size() && !is_space(line_[pos_])) ++pos_;
    if (pos_ == start) return false;
    into.assign(line_.substr(start, pos_ - start));
    return true;
  }

  // An optional sign and at least one digit, up to the first non-digit. Fails
  // without digits, or when the value does not fit 32 bits.
  bool read_int(std::int32_t& into) {
    skip_space();
    const auto prefix = read_int_prefix(line_.substr(pos_));
    if (!prefix) return false;
    pos_ += prefix->length;
    into = prefix->value;
    return prefix->in_range;
  }

 private:
  void skip_space() {
    while (pos_ < line_.size() && is_space(line_[pos_])) ++pos_;
  }

  std::string_view line_;
  std::size_t pos_ = 0;
};

// Stores the line's values straight into `player`, column by column, and tells
// whether every column of the layout got one.
bool scan_player_line(std::string_view line, const RosterLayout& layout, Player& player) {
  ValueScanner scanner(line);
  for (const RosterColumn& column : layout.columns) {
    const bool converted = column.is_text() ? scanner.read_text(player.*column.text)
                                            : scanner.read_int(player.*column.number);
    if (!converted) return false;
  }
  return true;
}

}  // namespace

int read_roster_fixed(LineReader& roster, std::vector<Player>& table, int capacity, int layout,
                      RosterLines* lines) {
  const RosterLayout* columns = find_roster_layout(layout);
  if (columns == nullptr || capacity <= 0) return 0;
  if (table.size() < static_cast<std::size_t>(capacity))
    table.resize(static_cast<std::size_t>(capacity));

  // The header line and the dash line, whatever they hold.
  roster.next();
  roster.next();

  int placed = 0;
  while (placed < capacity) {
    const auto line = roster.next();
    if (!line) break;
    if (scan_player_line(*line, *columns, table[static_cast<std::size_t>(placed)])) {
      ++placed;
      if (lines != nullptr) lines->players.push_back(roster.line_number());
    } else if (lines != nullptr && !trimmed(*line).empty()) {
      lines->passed_over.push_back(roster.line_number());
    }
  }
  return placed;
}

int read_roster_fixed(std::string_view roster, std::vector<Player>& table, int capacity, int layout,
                      RosterLines* lines) {
  LineReader reader(roster, kRosterLinePiece);
  return read_roster_fixed(reader, table, capacity, layout, lines);
}

}  // namespace league
