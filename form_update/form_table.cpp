#include "form_update/form_table.h"

#include <algorithm>
#include <cstdint>

#include "common/console/tool_error.h"
#include "common/text/columns.h"
#include "common/text/integers.h"
#include "common/text/lines.h"
#include "common/text/tokens.h"

namespace league {

namespace {

constexpr std::string_view kHeader = "Pl   Team                           Form  \n";
constexpr std::size_t kDashes = 40;
constexpr std::size_t kHeaderLines = 2;

[[noreturn]] void refuse_row(std::size_t row) {
  throw ToolError("\nError ! Invalid row " + std::to_string(row) + " in form.txt !!");
}

// The offset of the first character after the header lines.
std::size_t after_headers(std::string_view text) {
  LineReader lines(text);
  std::size_t offset = 0;
  for (std::size_t i = 0; i < kHeaderLines; ++i) {
    const auto line = lines.next();
    if (!line) break;
    offset += line->size();
  }
  return offset;
}

}  // namespace

std::vector<FormEntry> read_form_table(std::string_view text) {
  TokenScanner scanner(text.substr(after_headers(text)));
  std::vector<FormEntry> table;
  // One row a line is the usual layout: room for that many rows up front,
  // instead of growing through copies that would be held twice meanwhile.
  table.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
  while (const auto position = scanner.next()) {
    const std::size_t row = table.size() + 1;
    if (!parse_whole_int(*position)) refuse_row(row);
    // Name and form string come from the rest of the position's line only: a
    // row holding just a name must not take the next row's position as its form.
    const std::vector<std::string_view> fields = split_tokens(scanner.rest_of_line(), 2);
    if (fields.empty()) refuse_row(row);
    table.push_back({std::string(fields[0]), FormString(fields.size() > 1 ? fields[1] : "")});
  }
  return table;
}

void order_form_table(std::vector<FormEntry>& table) {
  std::stable_sort(table.begin(), table.end(), [](const FormEntry& a, const FormEntry& b) {
    return a.form.points() > b.form.points();
  });
}

std::string format_form_table(const std::vector<FormEntry>& table) {
  std::string out(kHeader);
  out.append(kDashes, '-');
  out += '\n';
  std::int32_t position = 0;
  for (const FormEntry& entry : table) {
    append_int_left(out, ++position, 4);
    out += ' ';
    append_padded_left(out, entry.Team, 30);
    out += ' ';
    append_padded_right(out, entry.form.text(), FormString::kPlaces);
    out += '\n';
  }
  return out;
}

}  // namespace league
