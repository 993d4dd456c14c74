#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"
#include "league/names/team_lookup.h"

namespace league {

// results.txt as people type it, one result a line, read against the teams
// of table.txt: in the written form ("St Mary's 3-1 Bridge Inn FC"), the
// stored one or the tools' own ("St_Mary's 3 - 1 Bridge_Inn_FC").
struct TypedResults {
  std::string tools_text;            // every result in the tools' form, a line each
  std::vector<std::size_t> lines;    // of each result, its line in results.txt
  std::vector<Diagnostic> problems;  // every problem of every line, in line order
};

// Reads every line but the blank ones (see read_result_line).
TypedResults read_typed_results(std::string_view text, const TeamNames& teams);

}  // namespace league
