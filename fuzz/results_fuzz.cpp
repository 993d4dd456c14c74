// Feeds arbitrary text to results reading and a round's application. The
// first line lists the teams of the table (one name per token), the rest is
// results.txt. Refusing a result or an unknown team is an expected outcome.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/results/results_file.h"
#include "common/round/round_update.h"
#include "common/text/tokens.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t line_end = input.find('\n');
  const std::string_view teams_line = input.substr(0, line_end);
  const std::string_view results =
      line_end == std::string_view::npos ? std::string_view() : input.substr(line_end + 1);

  const std::vector<std::string> names = [&] {
    std::vector<std::string> list;
    for (const std::string_view name : league::split_tokens(teams_line, 60))
      list.emplace_back(name);
    return list;
  }();
  league::RoundTables tables;
  tables.table.emplace();
  tables.form.emplace();
  for (const std::string& name : names) {
    tables.table->push_back({name});
    tables.form->push_back({name, league::FormString()});
  }
  const std::vector<league::ResultsEntry> entries = league::read_results(results);
  const league::RoundUpdate update = league::apply_round(tables, entries);
  if (!update.failure) {
    // Every result was counted: two games a result in the table.
    std::int64_t games = 0;
    for (const league::TableEntry& entry : *tables.table) games += entry.P;
    if (games != 2 * static_cast<std::int64_t>(entries.size())) std::abort();
  }
  return 0;
}
