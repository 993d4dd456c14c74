#pragma once

#include <string>
#include <string_view>

#include "league/season/season_schedule.h"

namespace league {

// What `league publish` shows of the rounds beside the table: the last
// round's results, the postponed matches and the next round's fixtures.

// The style of the sections below, for the page's style sheet.
std::string_view matchdays_style();

// The page's sections: the last round's results, and with fixtures the
// postponed matches and the next round's fixtures with their dates; each left
// out when it has nothing to show, all of them before the first round of a
// league without fixtures.
std::string matchdays_sections(const Matchdays& matchdays);

}  // namespace league
