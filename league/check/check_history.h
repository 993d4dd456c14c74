#pragma once

#include <vector>

#include "common/table/table_entry.h"
#include "league/check/check_report.h"

namespace league {

// history/ as `league check` reads it: every file of every complete entry
// reads (a round's results as results, the kept tables as the tools read
// them); the league files are those the last entry left, or a note names each
// one changed since; no folder is stray (store/history.h); and `table`, when
// table.txt reads, is what history's rounds and adjustments give.
void check_history(const std::vector<TableEntry>* table, CheckReport& report);

}  // namespace league
