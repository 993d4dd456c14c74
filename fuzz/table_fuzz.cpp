// Feeds arbitrary table.txt text to the league table reader. A table that reads
// must be written and read back to the same rows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "common/table/table_file.h"

namespace {

bool same_rows(const std::vector<league::TableEntry>& a, const std::vector<league::TableEntry>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].Team != b[i].Team) return false;
    for (const auto counter : league::kTableCounters) {
      if (a[i].*counter != b[i].*counter) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const league::TableRead read = league::read_league_table(text, "table.txt");
  if (read.lines.size() != read.rows.size()) std::abort();
  if (read.problem) return 0;
  const league::TableRead again =
      league::read_league_table(league::format_league_table(read.rows), "table.txt");
  if (again.problem || !same_rows(again.rows, read.rows)) std::abort();
  return 0;
}
