#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

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

// Adds "results" (the last round's matches: home, away, home_goals,
// away_goals), "postponed" and "next_fixtures" (round, date or null, home,
// away) to the JSON document; empty lists where nothing applies.
void add_matchdays_json(nlohmann::ordered_json& document, const Matchdays& matchdays);

// The fixtures as an iCalendar file, with the scores of those played. Round
// times are the league's clock, taken to be this computer's time zone.
// `table_teams` make the league's id, which keeps each fixture's event the
// same from one publish to the next; `league_name` names the calendar (none
// when empty).
std::string fixtures_calendar(const Fixtures& fixtures, const SeasonSchedule& schedule,
                              const std::vector<std::string>& table_teams,
                              const std::string& league_name, std::int64_t now);

// The league's id in calendar UIDs: "league-" and 16 hex digits of a hash of
// the team names, in any order.
std::string league_id_of_teams(std::vector<std::string> teams);

}  // namespace league
