#pragma once

#include <string>

#include "common/round/round_update.h"

namespace league {

// What table_update and form_update share at their console edge.

// The contents of results.txt; when it cannot be opened the run ends with
// "\nFailed to open file results.txt !!" after a key press.
std::string read_results_file_or_fail();

// Ends the run with the console message for a round that cannot be applied,
// after a key press: "\nError ! Invalid result for team %s in results.txt !!"
// or "\nError ! Team %s not found in the table !!".
[[noreturn]] void refuse_round(const RoundFailure& failure);

}  // namespace league
