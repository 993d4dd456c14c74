// Feeds arbitrary form.txt text to the form table reader. A table that reads
// must be ordered, written and read back to the same rows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "common/form/form_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  league::FormRead read = league::read_form_table(text);
  if (read.problem) return 0;
  std::vector<league::FormEntry>& table = read.rows;
  league::order_form_table(table);
  const auto again = league::read_form_table(league::format_form_table(table)).rows;
  if (again.size() != table.size()) std::abort();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (again[i].Team != table[i].Team || again[i].form.text() != table[i].form.text()) {
      std::abort();
    }
  }
  return 0;
}
