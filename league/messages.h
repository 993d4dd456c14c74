#pragma once

#include <string>
#include <vector>

#include "common/io/diagnostic.h"

namespace league {

// Ends a command with the diagnostic as its message (see describe()).
[[noreturn]] void fail(const Diagnostic& diagnostic);

// "a", "a and b", "a, b and c".
std::string name_list(const std::vector<std::string>& names);

}  // namespace league
