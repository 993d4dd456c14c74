#include "league/season/typed_results.h"

#include <utility>

#include "common/io/league_files.h"
#include "common/text/lines.h"
#include "common/text/spaces.h"
#include "league/names/result_line.h"

namespace league {

TypedResults read_typed_results(std::string_view text, const TeamNames& teams) {
  TypedResults typed;
  LineReader lines(text);
  while (const auto line = lines.next()) {
    if (trimmed(*line).empty()) continue;
    ResultLineReading reading = read_result_line(*line, teams);
    for (std::string& problem : reading.problems)
      typed.problems.push_back({kResultsFile, lines.line_number(), std::move(problem)});
    if (!reading.result) continue;
    typed.tools_text += reading.tools_form + '\n';
    typed.lines.push_back(lines.line_number());
  }
  return typed;
}

}  // namespace league
