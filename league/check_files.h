#pragma once

#include <optional>
#include <string>

#include "league/check_report.h"

namespace league {

// The text of a league file as the tools read it (a byte-order mark dropped),
// or nothing when there is no such file to read. A byte-order mark and a line
// ended by a carriage return alone are reported as problems: the tools read
// lines only up to a line feed, and other programs may take the mark for text.
std::optional<std::string> read_checked_file(const std::string& name, CheckReport& report);

}  // namespace league
