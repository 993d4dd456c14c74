#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "league/zone/time_zone.h"

namespace league::zone {

// Where Linux keeps the zone database.
inline constexpr std::string_view kZoneinfoFolder = "/usr/share/zoneinfo";

// What a TZif file (RFC 8536) of version 2 or later tells about its zone.
struct ZoneFile {
  std::string rule;  // the POSIX TZ rule of its footer, read by parse_zone_rule
  // The file's last listed change of clocks, in seconds since 1970 UTC. The
  // rule alone describes the zone only after it; a zone whose table runs into
  // the future (Africa/Casablanca) is then not fully kept by its rule.
  std::optional<std::int64_t> last_listed_change;
};

// Reads a TZif file's contents: nothing for a file of version 1, a damaged
// one, or one whose footer holds no rule that parse_zone_rule reads.
std::optional<ZoneFile> read_zone_file(std::string_view contents);

// The zone of an IANA name read from `zoneinfo`/NAME, with its file's last
// listed change. Nothing for a name is_zone_name refuses, a missing or
// unreadable file, and always on Windows, which has no such folder.
struct FoundZone {
  TimeZone zone;
  std::optional<std::int64_t> last_listed_change;
};
std::optional<FoundZone> find_zone(std::string_view name,
                                   std::string_view zoneinfo = kZoneinfoFolder);

// The zone name this computer's clock follows: the TZ environment variable
// when it names a zone file below `zoneinfo` ("Europe/London", ":Europe/London"
// or a path below the folder), else the first line of /etc/timezone, else the
// target of the /etc/localtime link below a "zoneinfo/" folder, else "UTC".
// Nothing on Windows: the caller says so and falls back as it sees fit.
std::optional<std::string> computer_zone_name(std::string_view zoneinfo = kZoneinfoFolder);

// The zone name of a TZ value or a link target that points into a zoneinfo
// folder: ":Europe/London", "/usr/share/zoneinfo/Europe/London" and
// "../usr/share/zoneinfo/posix/Europe/London" all give "Europe/London".
// Nothing when what remains is no zone name.
std::optional<std::string> zone_name_in_path(std::string_view path);

}  // namespace league::zone
