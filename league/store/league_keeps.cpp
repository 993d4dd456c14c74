#include "league/store/league_keeps.h"

#include <random>

#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/text/spaces.h"
#include "common/text/wording.h"
#include "league/zone/zone_lookup.h"

namespace league {

namespace {

// The first line of a file of history/, white space around it dropped;
// nothing when the file is missing or the line is empty.
std::optional<std::string> first_line(const char* file) {
  const auto text = read_league_file(file);
  if (!text) return std::nullopt;
  const std::string_view line = trimmed(std::string_view(*text).substr(0, text->find('\n')));
  if (line.empty()) return std::nullopt;
  return std::string(line);
}

const zone::TimeZone kUtc{"UTC", "UTC0"};

}  // namespace

KeptZone kept_time_zone() {
  const auto line = first_line(kTimeZoneFile);
  if (!line) return {};
  if (auto zone = zone::parse_time_zone(*line)) return {std::move(zone), std::nullopt};
  return {std::nullopt,
          "is not a zone name and its rule (as Europe/London GMT0BST,M3.5.0/1,M10.5.0)"};
}

FileChange time_zone_change(const zone::TimeZone& zone) {
  return {kTimeZoneFile, zone::format_time_zone(zone) + "\n"};
}

ZoneLookup look_up_zone(const std::string& name) {
  if (!zone::is_zone_name(name)) return {std::nullopt, "is not a zone name (as Europe/London)"};
  if (auto found = zone::find_zone(name)) return {std::move(found->zone), {}};
#ifdef _WIN32
  if (name == "UTC") return {kUtc, {}};
  return {std::nullopt, "cannot be looked up: Windows has no zone database"};
#else
  return {std::nullopt,
          "has no zone file in " + std::string(zone::kZoneinfoFolder) + " that gives its rule"};
#endif
}

ComputerZone computer_time_zone() {
  const auto name = zone::computer_zone_name();
  if (!name) return {kUtc, "this computer's time zone cannot be found, so UTC is recorded"};
  if (auto found = zone::find_zone(*name)) return {std::move(found->zone), std::nullopt};
  return {kUtc, "this computer's time zone " + *name + " has no rule in " +
                    std::string(zone::kZoneinfoFolder) + ", so UTC is recorded"};
}

zone::TimeZone league_time_zone() {
  if (auto kept = kept_time_zone().zone) return *kept;
  return computer_time_zone().zone;
}

std::optional<std::string> season_id() {
  return first_line(kSeasonIdFile);
}

std::string new_season_id() {
  std::random_device source;
  const std::uint64_t high = source();
  return hex16(high << 32 | source());
}

FileChange season_id_change(const std::string& id) {
  return {kSeasonIdFile, id + "\n"};
}

SeasonStart season_start_changes(bool fresh_season) {
  SeasonStart start;
  if (fresh_season || !season_id()) start.changes.push_back(season_id_change(new_season_id()));
  const KeptZone kept = kept_time_zone();
  if (!kept.zone && !kept.problem) {
    ComputerZone computer = computer_time_zone();
    start.changes.push_back(time_zone_change(computer.zone));
    start.zone_recorded = std::move(computer.zone);
    start.note = std::move(computer.note);
  }
  return start;
}

GroundsRead kept_grounds() {
  const auto text = read_league_file(kGroundsFile);
  if (!text) return {};
  return read_grounds(*text);
}

FileChange grounds_change(const Grounds& grounds) {
  return {kGroundsFile, format_grounds(grounds)};
}

}  // namespace league
