#pragma once

#include <optional>
#include <string>
#include <vector>

#include "league/season/grounds.h"
#include "league/store/transaction.h"
#include "league/zone/time_zone.h"

namespace league {

// What the league keeps about its season beside the tools' files, in
// history/: the time zone its fixture times are read in, the season's
// identifier and each team's ground.

// The kept zone (history/timezone): nothing when there is none; a problem
// when the file does not read.
struct KeptZone {
  std::optional<zone::TimeZone> zone;
  std::optional<std::string> problem;
};
KeptZone kept_time_zone();
FileChange time_zone_change(const zone::TimeZone& zone);

// The zone of an IANA name from this computer's zone database, and a reason
// when there is none ("no zone file /usr/share/zoneinfo/Mars/Base").
struct ZoneLookup {
  std::optional<zone::TimeZone> zone;
  std::string problem;
};
ZoneLookup look_up_zone(const std::string& name);

// The zone this computer's clock follows, as a league records it when it
// starts; UTC, with a note saying so, where that zone cannot be found (always
// on Windows, which has no zone database).
struct ComputerZone {
  zone::TimeZone zone;
  std::optional<std::string> note;
};
ComputerZone computer_time_zone();

// The zone fixture times are read in: the kept one, else this computer's.
zone::TimeZone league_time_zone();

// The season's identifier (history/season), which keeps each season's
// calendar UIDs apart; nothing when none is kept.
std::optional<std::string> season_id();
// A fresh identifier: 16 hex digits from the system's random source.
std::string new_season_id();
FileChange season_id_change(const std::string& id);

// What a new season or a draw records when the league has none yet: this
// computer's zone and a season identifier. `fresh_season` gives a new
// identifier even when one is kept. The note of the computer's zone, if any.
struct SeasonStart {
  std::vector<FileChange> changes;
  std::optional<zone::TimeZone> zone_recorded;
  std::optional<std::string> note;
};
SeasonStart season_start_changes(bool fresh_season);

// The grounds (history/grounds); none when the file is missing. Lines that do
// not read are left out, and named by the problems.
GroundsRead kept_grounds();
FileChange grounds_change(const Grounds& grounds);

}  // namespace league
