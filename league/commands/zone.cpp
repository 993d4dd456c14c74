#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "common/io/league_files.h"
#include "league/commands/command.h"
#include "league/store/league_keeps.h"

namespace league {

namespace {

constexpr const char* kCommand = "league zone";

struct ZoneOptions {
  std::string name;
  std::string rule;  // empty: the rule of the computer's zone database
};

// "Europe/London (GMT0BST,M3.5.0/1,M10.5.0)"
std::string zone_shown(const zone::TimeZone& zone) {
  return zone.name + " (" + zone.rule + ")";
}

// The zone the options name: its rule as given, or from the zone database.
zone::TimeZone zone_given(const ZoneOptions& options) {
  if (!options.rule.empty()) {
    const zone::TimeZone given{options.name, options.rule};
    if (!zone::is_zone_name(given.name))
      refuse({kCommand, 0, options.name + " is not a zone name (as Europe/London)"});
    if (!zone::parse_zone_rule(given.rule))
      refuse({kCommand, 0, options.rule + " is not a POSIX TZ rule (as GMT0BST,M3.5.0/1,M10.5.0)"});
    return given;
  }
  const ZoneLookup found = look_up_zone(options.name);
  if (!found.zone) {
    refuse({kCommand, 0,
            options.name + ' ' + found.problem +
                "; give its rule after the name (league zone Europe/London "
                "GMT0BST,M3.5.0/1,M10.5.0)"});
  }
  return *found.zone;
}

void show_zone(std::ostream& out) {
  const KeptZone kept = kept_time_zone();
  if (kept.problem) fail({kTimeZoneFile, 0, *kept.problem});
  if (kept.zone) {
    out << zone_shown(*kept.zone) << '\n';
    return;
  }
  out << "The league keeps no time zone yet: fixture times are read on this computer's, "
      << zone_shown(computer_time_zone().zone) << ". league zone NAME keeps one.\n";
}

}  // namespace

int zone_league(const ZoneOptions& options, CommandContext& context) {
  std::ostream& out = context.out;
  if (options.name.empty()) {
    show_zone(out);
    return 0;
  }
  const zone::TimeZone zone = zone_given(options);
  const std::optional<zone::TimeZone> before = kept_time_zone().zone;
  apply_or_fail(context.lock, "the league's time zone", {time_zone_change(zone)});
  out << "The league's fixture times are read in " << zone_shown(zone);
  if (before && *before != zone) out << " (was " << before->name << ")";
  out << ".\n";
  return 0;
}

CommandRun zone_command(CLI::App& command) {
  auto options = std::make_shared<ZoneOptions>();
  command.add_option("NAME", options->name, "The zone's IANA name, as Europe/London");
  command.add_option("RULE", options->rule,
                     "Its POSIX TZ rule, where this computer has no zone database (Windows)");
  return [options](CommandContext& context) { return zone_league(*options, context); };
}

}  // namespace league
