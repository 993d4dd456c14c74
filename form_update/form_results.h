#pragma once

#include <string_view>
#include <vector>

#include "form_update/form_table.h"

namespace league {

// Applies every result of results.txt (its text) to the form table in file
// order: each side's outcome is recorded once in the form of the first row
// bearing its team's name. Teams without a result keep their form; a team with
// several results shows the newest six letters. An unknown team or an invalid
// result ends the run before the caller writes anything.
void apply_form_results(std::vector<FormEntry>& table, std::string_view results);

}  // namespace league
