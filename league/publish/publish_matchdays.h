#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "league/season/grounds.h"
#include "league/season/season_schedule.h"

namespace league {

// What `league publish` shows of the rounds beside the table: the last
// round's results, the postponed matches and the next round's fixtures.

// A date as the page shows it: "Sat 13 Feb 2027".
std::string people_day(const Date& date);

// The same in a <time> element with the ISO date (and kick-off) as its datetime.
std::string date_html(const std::optional<Date>& date, const std::optional<TimeOfDay>& time);

// The style of the sections below, for the page's style sheet.
std::string_view matchdays_style();

// The page's sections: the last round's results, and with fixtures the
// postponed matches and the next round's fixtures with their dates; each left
// out when it has nothing to show, all of them before the first round of a
// league without fixtures. A fixture to play shows its venue (match_venue)
// when one is known.
std::string matchdays_sections(const Matchdays& matchdays, const Grounds& grounds = {});

}  // namespace league
