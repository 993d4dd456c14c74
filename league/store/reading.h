#pragma once

#include <optional>
#include <string>

#include "common/settings/league_settings.h"

namespace league {

// A league file as it is on disk, kept in history to be put back byte for
// byte, and as the tools read it (a byte-order mark dropped).
struct LeagueFile {
  std::string bytes;
  std::string text;
};

// The file, or nothing when it cannot be opened.
std::optional<LeagueFile> read_league_file_bytes(const std::string& path);

// The settings of league.dat as a value, or nothing without league.dat.
std::optional<LeagueSettings> read_settings();

}  // namespace league
