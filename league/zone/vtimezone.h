#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "league/zone/time_zone.h"

namespace league::zone {

// The VTIMEZONE component (RFC 5545) of a zone, lines ending in CR LF: TZID
// is the zone's name; a STANDARD part, and with summer time a DAYLIGHT part,
// each starting in 1970 and repeating yearly by an RRULE. A change no RRULE
// says simply (Asia/Jerusalem's "Friday before the last Sunday") is listed
// instead by RDATEs, one a year for years 1970 to `last_year`. Nothing when the
// zone's rule does not read.
std::optional<std::string> vtimezone_text(const TimeZone& zone, int last_year = 2100);

// "20270413T143000": a reading of a clock, as iCalendar writes it.
std::string ical_local_text(const WallClock& local);

// "20270413T133000Z": an instant (seconds since 1970 UTC), as iCalendar writes it.
std::string ical_utc_text(std::int64_t utc_seconds);

// "DTSTART;TZID=Europe/London:20270413T143000" for `property` "DTSTART": a
// reading of the zone's clock that iCalendar readers resolve with the zone's
// VTIMEZONE. The name is quoted when it holds ':', ';' or ','. No line end.
std::string zoned_property(std::string_view property, const TimeZone& zone, const WallClock& local);

}  // namespace league::zone
