#include "common/form/form_table.h"

#include <algorithm>
#include <cstdint>

#include "common/io/league_files.h"
#include "common/text/columns.h"
#include "common/text/integers.h"
#include "common/text/lines.h"
#include "common/text/tokens.h"

namespace league {

namespace {

constexpr std::string_view kHeader = "Pl   Team                           Form  \n";
constexpr std::size_t kDashes = 40;
constexpr std::size_t kHeaderLines = 2;

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

FormRead read_form_table(std::string_view text) {
  TokenScanner scanner(text.substr(after_headers(text)));
  LineCounter lines(text);
  FormRead read;
  // One row a line is the usual layout: room for that many rows up front,
  // instead of growing through copies that would be held twice meanwhile.
  const auto line_count = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  read.rows.reserve(line_count);
  read.lines.reserve(line_count);
  while (const auto position = scanner.next()) {
    const std::size_t line = lines.line_of(*position);
    // Name and form string come from the rest of the position's line only: a
    // row holding just a name must not take the next row's position as its form.
    const std::vector<std::string_view> fields = parse_whole_int(*position)
                                                     ? split_tokens(scanner.rest_of_line(), 2)
                                                     : std::vector<std::string_view>{};
    if (fields.empty()) {
      read.problem = Diagnostic{kFormFile, line,
                                "row " + std::to_string(read.rows.size() + 1) +
                                    " does not read as a position and a team"};
      return read;
    }
    read.rows.push_back({std::string(fields[0]), FormString(fields.size() > 1 ? fields[1] : "")});
    read.lines.push_back(line);
  }
  return read;
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
