#pragma once

#include <string>
#include <vector>

#include "common/console/tool_error.h"

namespace league {

// A message of the shared readers ("\nError ! Invalid row 3 in table.txt !!")
// without the blank lines the four tools print around it.
std::string plain_message(const ToolError& error);

// "a", "a and b", "a, b and c".
std::string name_list(const std::vector<std::string>& names);

}  // namespace league
