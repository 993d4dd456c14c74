#pragma once

#include <optional>
#include <string>

#include "league/check/check_report.h"

namespace league {

// The text of a league file as the tools read it (a byte-order mark dropped),
// or nothing when there is no such file to read. A line ended by a carriage
// return alone is a problem: the tools read lines only up to a line feed. A
// byte-order mark is a note: the tools skip it, other programs may not.
std::optional<std::string> read_checked_file(const std::string& name, CheckReport& report);

}  // namespace league
