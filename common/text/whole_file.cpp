#include "common/text/whole_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace league {

std::optional<std::string> read_whole_file(const std::string& path) {
  // Only a regular file is opened: a named pipe would block the open and a
  // device such as /dev/zero would never end.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  // Read in one go at the size the file has now, then whatever it grew by.
  const auto size = std::filesystem::file_size(path, error);
  std::string contents(error ? 0 : static_cast<std::size_t>(size), '\0');
  in.read(contents.data(), static_cast<std::streamsize>(contents.size()));
  contents.resize(static_cast<std::size_t>(in.gcount()));
  if (in) contents.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return contents;
}

}  // namespace league
