#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace league {

// The whole contents of a regular file, or nothing when it cannot be opened or
// read. A directory, a pipe or a device counts as a file that cannot be opened:
// it would otherwise read as empty or never end.
std::optional<std::string> read_whole_file(const std::string& path);

// What tells one version of a file from another without reading it: which file
// it is, its size and the times its contents and its entry last changed. Equal
// stamps taken at two moments mean the same contents, as far as the file system
// can tell.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modified_s = 0;
  std::int64_t modified_ns = 0;
  std::int64_t changed_s = 0;
  std::int64_t changed_ns = 0;

  bool operator==(const FileStamp&) const = default;
};

// The stamp of a regular file, or nothing when there is no such file. Nothing
// also where the system's times are too coarse to tell versions apart (Windows).
std::optional<FileStamp> file_stamp(const std::string& path);

}  // namespace league
