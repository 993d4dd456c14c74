#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "league/publish/season_matches.h"
#include "league/season/grounds.h"

namespace league {

// schema.org's word for an event's status: EventPostponed, EventRescheduled
// for a rearranged match, else EventScheduled.
std::string_view event_status(Rescheduling rescheduling);

// schema.org SportsEvent structured data for the fixtures a page shows, so
// that search engines and calendars read them: each fixture of fixtures.txt
// among `matches` (void ones left out) with its home and away team, its day
// (and kick-off), its ground when the league keeps it, and its eventStatus
// (EventPostponed, EventRescheduled for a rearranged match, else
// EventScheduled). A <script type="application/ld+json"> element for the
// page's head; empty when there is no such fixture.
std::string sports_events_script(const std::vector<SeasonMatch>& matches, const Grounds& grounds);

}  // namespace league
