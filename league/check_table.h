#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "league/check_report.h"
#include "table_update/table_entry.h"

namespace league {

// The teams of table.txt in file order, with the line each row starts on.
struct CheckedTable {
  std::vector<TableEntry> rows;
  std::vector<std::size_t> lines;
};

// Checks the text of table.txt: the first row table_update refuses (the rows
// after it cannot be read reliably), then in every row that reads P against
// W+D+L and GD against GF-GA, a team named twice, and, when the whole table
// reads, the totals of W against L and of GF against GA. A Pts other than
// 3W+D is a note: points can be deducted. Returns the table when it reads
// whole, nothing otherwise.
std::optional<CheckedTable> check_table(std::string_view text, CheckReport& report);

}  // namespace league
