#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace league {

// The settings store is the process environment, seen with names compared
// without regard to letter case (A-Z equal a-z). Variables inherited from the
// parent process count exactly like settings published from league.dat.

// Whether two setting names are the same, letter case aside (A-Z equal a-z).
bool same_setting_name(std::string_view a, std::string_view b);

// Publishes "name=value": the name is the text before the first '=', the value
// everything after it. An empty name, or one holding a NUL byte, is refused
// (returns false, nothing changes).
// A variable whose name matches without regard to case is replaced, the new
// name's letter case included. An empty value removes the variable.
bool put_setting(std::string_view text);

// The value of the variable whose name matches without regard to case.
std::optional<std::string> get_setting(std::string_view name);

// A setting read as a number: `absent` when there is none, else the integer at
// the start of its text (0 when it has no leading digits). On when not 0.
std::int32_t setting_number(std::string_view name, std::int32_t absent = 0);

}  // namespace league
