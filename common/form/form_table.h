#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/form/form_string.h"
#include "common/io/diagnostic.h"

namespace league {

// One team row of the form table. Positions are not kept: they are read and
// dropped, and written again as the row's place after ordering.
struct FormEntry {
  std::string Team;
  FormString form;
};

// What form.txt holds as far as it reads.
struct FormRead {
  std::vector<FormEntry> rows;
  std::vector<std::size_t> lines;     // the line of each row, from 1
  std::optional<Diagnostic> problem;  // the row after the last one read does not read
};

// The rows of form.txt in file order. The first two lines are headers, skipped
// whole. Each row is a position (a whole integer token, blank lines before it
// skipped) followed on the same line by the team name and the form string;
// anything after the second token is ignored and a missing form string counts
// as empty. Reading stops at a row whose position is not an integer, or that
// has no team name: row rows.size() + 1 is the damaged one.
FormRead read_form_table(std::string_view text);

// Orders the table by form points, more first; rows with equal points keep
// their order.
void order_form_table(std::vector<FormEntry>& table);

// The whole new form.txt: header line, dash line, then one row per entry with
// the positions 1 to n, as "%-4d %-30s %6s\n".
std::string format_form_table(const std::vector<FormEntry>& table);

}  // namespace league
