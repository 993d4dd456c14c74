#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "league/season/fixtures_file.h"
#include "league/season/grounds.h"
#include "league/season/season_schedule.h"
#include "league/zone/time_zone.h"

namespace league {

// The score of a fixture once it has been played, nothing before.
using PlayedLookup =
    std::function<std::optional<Score>(const FixtureRound& round, const FixtureMatch& match)>;

// Minutes the league's clock is ahead of UTC (negative west of Greenwich) on a
// local date and time. A function rather than a number, so that a caller that
// knows the league's summer time can give it.
using UtcOffset = std::function<int(const Date& date, const TimeOfDay& time)>;

// Where a fixture is played (its LOCATION); nothing leaves the event without one.
using VenueLookup =
    std::function<std::optional<Ground>(const FixtureRound& round, const FixtureMatch& match)>;

struct CalendarSettings {
  std::string league_name;  // the calendar's name (X-WR-CALNAME); none when empty
  // What makes every event's UID this league's: the same value on every
  // publish keeps each fixture's UID, so calendar programs update their copy of
  // an event instead of adding another. Empty: the league name, or "league".
  std::string league_id;
  std::int64_t dtstamp = 0;    // when the calendar is made: seconds since 1970-01-01 UTC
  UtcOffset utc_offset;        // the league's clock; empty: the clock is UTC
  std::string zone_name = {};  // its IANA name (X-WR-TIMEZONE); none when empty
  VenueLookup venue = {};      // empty: no LOCATION
  int match_minutes = 120;     // how long a timed event lasts
  // The changes of a match's day recorded so far (its SEQUENCE); empty: none.
  std::function<int(const FixtureMatch& match)> sequence{};
  // The reason a played match's result was awarded; empty for one played.
  std::function<std::string(const FixtureMatch& match)> awarded{};
};

// The fixtures as an iCalendar file (RFC 5545): one event per fixture of a
// dated round; undated rounds have none. A round with a time gives events at
// that time of the league's clock, written in UTC (a "Z" time, never a
// floating one), lasting match_minutes; one without a time gives all-day
// events. The SUMMARY has both names as pages show them (underscores as
// blanks) and, once the lookup has it, the score: "Ashford 2 - 1 Fenwick". The
// UID is made of home, away and league_id only (a HOME - AWAY pairing comes
// once a season), so a fixture moved to another round keeps its event; its
// SEQUENCE says which version of the event it is, and its LOCATION where the
// match is played. Text
// is escaped, bytes that are no UTF-8 become U+FFFD, control characters are
// dropped, lines end in CR LF and are folded at 75 octets between characters.
// A match with a day of its own is on that day; one marked postponed keeps
// its round's day with STATUS:CANCELLED until it gets a new one; every change
// of its day raises its SEQUENCE, so that calendar programs take the latest.
std::string calendar_text(const Fixtures& fixtures, const PlayedLookup& played,
                          const CalendarSettings& settings);

// What a league's calendar is made with besides its fixtures.
struct LeagueCalendar {
  std::string league_name;  // names the calendar; none when empty
  // The season's identifier, which makes each fixture's UID this season's own
  // (the same pairing next season is another event); none: the UIDs are made
  // of the table's teams (league_id_of_teams), as calendars kept before.
  std::optional<std::string> season_id;
  std::vector<std::string> table_teams;
  zone::TimeZone zone;  // the league's: its rule turns fixture times into instants
  Grounds grounds;      // the LOCATION of a match: its home team's ground
  std::int64_t now = 0;
  // The pairings ("HOME - AWAY") of every change of a fixture's day recorded,
  // once a change: each raises that event's SEQUENCE.
  std::vector<std::string> changed;
};

// The fixtures as an iCalendar file, with the scores of those played. Round
// times are read on the league zone's clock and written as UTC instants, so
// the file is the same whatever zone the computer that publishes it is in.
std::string fixtures_calendar(const Fixtures& fixtures, const SeasonSchedule& schedule,
                              const LeagueCalendar& league);

// The league's id in calendar UIDs: "league-" and 16 hex digits of a hash of
// the team names, in any order.
std::string league_id_of_teams(std::vector<std::string> teams);

// The most events a calendar is written with: a double round robin of 447
// teams. Calendar programs choke on millions of events long before, and the
// file is built in memory, some 200 bytes an event.
constexpr std::size_t kMaxCalendarEvents = 200'000;

// How many events calendar_text writes at most: the matches with a date,
// their own or their round's.
std::size_t calendar_events(const Fixtures& fixtures);

}  // namespace league
