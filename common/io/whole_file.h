#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/console/tool_error.h"

namespace league {

// The whole contents of a regular file, or nothing when it cannot be opened or
// read. A directory, a pipe or a device counts as a file that cannot be opened:
// it would otherwise read as empty or never end. A name is its whole byte
// string: one holding a NUL byte names no file.
std::optional<std::string> read_whole_file(const std::string& path);

// Whether anything of that name is there: a file, a folder, or a link, even
// one that leads nowhere.
bool path_exists(const std::string& path);

// The text of a league file: its contents without the UTF-8 byte-order mark
// that Windows editors put at the start, so that such a file reads exactly
// like one saved without it.
std::optional<std::string> read_league_file(const std::string& path);

// The length of the UTF-8 byte-order mark at the start of `contents`: 3, or 0
// when it has none. read_league_file drops these bytes.
std::size_t byte_order_mark_length(std::string_view contents);

// read_league_file, or ends the run with `message` (waiting for a key as `key`
// says) when the file cannot be opened.
std::string read_league_file_or_fail(const std::string& path, const std::string& message,
                                     ToolError::Key key = ToolError::Key::kNoWait);

}  // namespace league
