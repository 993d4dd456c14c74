#include "league/store/reading.h"

#include "common/io/league_files.h"
#include "common/io/whole_file.h"

namespace league {

std::optional<LeagueFile> read_league_file_bytes(const std::string& path) {
  auto bytes = read_whole_file(path);
  if (!bytes) return std::nullopt;
  std::string text = bytes->substr(byte_order_mark_length(*bytes));
  return LeagueFile{std::move(*bytes), std::move(text)};
}

std::optional<LeagueSettings> read_settings() {
  const auto text = read_league_file(kSettingsFile);
  if (!text) return std::nullopt;
  return read_league_settings(*text);
}

}  // namespace league
