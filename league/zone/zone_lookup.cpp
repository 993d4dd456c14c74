#include "league/zone/zone_lookup.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "common/io/whole_file.h"

namespace league::zone {
namespace {

// A TZif header: "TZif", the version, 15 reserved bytes, then six counts.
constexpr std::size_t kHeaderSize = 44;

std::uint64_t big_endian(std::string_view bytes, std::size_t at, std::size_t width) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < width; ++i)
    value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

struct Counts {
  std::uint64_t isut, isstd, leap, time, type, chars;
};

std::optional<Counts> header_at(std::string_view contents, std::size_t at) {
  if (contents.size() < at + kHeaderSize || contents.substr(at, 4) != "TZif") return std::nullopt;
  std::array<std::uint64_t, 6> counts{};
  for (std::size_t i = 0; i < counts.size(); ++i)
    counts[i] = big_endian(contents, at + 20 + 4 * i, 4);
  return Counts{counts[0], counts[1], counts[2], counts[3], counts[4], counts[5]};
}

// The size of a data block whose transition times and leap second times are
// `time_size` bytes wide.
std::uint64_t block_size(const Counts& counts, std::uint64_t time_size) {
  return counts.time * time_size + counts.time + counts.type * 6 + counts.chars +
         counts.leap * (time_size + 4) + counts.isstd + counts.isut;
}

}  // namespace

std::optional<ZoneFile> read_zone_file(std::string_view contents) {
  const auto first = header_at(contents, 0);
  if (!first || contents[4] < '2') return std::nullopt;
  const std::uint64_t second_at = kHeaderSize + block_size(*first, 4);
  if (second_at > contents.size()) return std::nullopt;
  const auto second = header_at(contents, second_at);
  if (!second) return std::nullopt;
  const std::uint64_t data_at = second_at + kHeaderSize;
  const std::uint64_t footer_at = data_at + block_size(*second, 8);
  // The footer is a line between two line ends: at least two bytes.
  if (footer_at + 1 >= contents.size() || contents[footer_at] != '\n' || contents.back() != '\n')
    return std::nullopt;
  std::string_view footer = contents.substr(footer_at + 1);
  footer.remove_suffix(1);
  if (footer.find('\n') != std::string_view::npos || !parse_zone_rule(footer)) return std::nullopt;
  ZoneFile file{std::string(footer), std::nullopt};
  if (second->time > 0)
    file.last_listed_change =
        static_cast<std::int64_t>(big_endian(contents, data_at + (second->time - 1) * 8, 8));
  return file;
}

std::optional<FoundZone> find_zone([[maybe_unused]] std::string_view name,
                                   [[maybe_unused]] std::string_view zoneinfo) {
#ifdef _WIN32
  return std::nullopt;
#else
  if (!is_zone_name(name)) return std::nullopt;
  const auto contents = read_whole_file(std::string(zoneinfo) + '/' + std::string(name));
  if (!contents) return std::nullopt;
  auto file = read_zone_file(*contents);
  if (!file) return std::nullopt;
  return FoundZone{TimeZone{std::string(name), std::move(file->rule)}, file->last_listed_change};
#endif
}

std::optional<std::string> zone_name_in_path(std::string_view path) {
  if (!path.empty() && path.front() == ':') path.remove_prefix(1);
  constexpr std::string_view kFolder = "zoneinfo/";
  if (const auto at = path.rfind(kFolder); at != std::string_view::npos) {
    path.remove_prefix(at + kFolder.size());
    for (std::string_view variant : {"posix/", "right/"})
      if (path.substr(0, variant.size()) == variant) path.remove_prefix(variant.size());
  }
  if (!is_zone_name(path)) return std::nullopt;
  return std::string(path);
}

std::optional<std::string> computer_zone_name([[maybe_unused]] std::string_view zoneinfo) {
#ifdef _WIN32
  return std::nullopt;
#else
  const auto names_zone = [&](const std::optional<std::string>& name) {
    return name && find_zone(*name, zoneinfo).has_value();
  };
  if (const char* tz = std::getenv("TZ")) {
    std::string_view value = tz;
    if (!value.empty() && value.front() == ':') value.remove_prefix(1);
    const std::string folder = std::string(zoneinfo) + '/';
    if (value.substr(0, folder.size()) == folder) value.remove_prefix(folder.size());
    if (auto name = zone_name_in_path(value); names_zone(name)) return name;
  }
  if (const auto text = read_whole_file("/etc/timezone")) {
    std::string_view line = *text;
    line = line.substr(0, line.find_first_of("\r\n"));
    if (auto name = zone_name_in_path(line); names_zone(name)) return name;
  }
  std::error_code error;
  const auto target = std::filesystem::read_symlink("/etc/localtime", error);
  if (!error) {
    const std::string text = target.generic_string();
    if (text.find("zoneinfo/") != std::string::npos) {
      if (auto name = zone_name_in_path(text); names_zone(name)) return name;
    }
  }
  return std::string("UTC");
#endif
}

}  // namespace league::zone
