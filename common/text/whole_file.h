#pragma once

#include <optional>
#include <string>

namespace league {

// The whole contents of a regular file, or nothing when it cannot be opened or
// read. A directory, a pipe or a device counts as a file that cannot be opened:
// it would otherwise read as empty or never end.
std::optional<std::string> read_whole_file(const std::string& path);

}  // namespace league
