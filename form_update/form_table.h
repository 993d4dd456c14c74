#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form_update/form_string.h"

namespace league {

// One team row of the form table. Positions are not kept: they are read and
// dropped, and written again as the row's place after ordering.
struct FormEntry {
  std::string Team;
  FormString form;
};

// The rows of form.txt in file order. The first two lines are headers, skipped
// whole. Each row is a position (a whole integer token, blank lines before it
// skipped) followed on the same line by the team name and the form string;
// anything after the second token is ignored and a missing form string counts
// as empty. A row whose position is not an integer, or that has no team name,
// ends the run with "\nError ! Invalid row %d in form.txt !!" (%d counting the
// data rows from 1), before anything is written.
std::vector<FormEntry> read_form_table(std::string_view text);

// Orders the table by form points, more first; rows with equal points keep
// their order.
void order_form_table(std::vector<FormEntry>& table);

// The whole new form.txt: header line, dash line, then one row per entry with
// the positions 1 to n, as "%-4d %-30s %6s\n".
std::string format_form_table(const std::vector<FormEntry>& table);

}  // namespace league
