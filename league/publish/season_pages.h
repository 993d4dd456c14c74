#pragma once

#include <string>
#include <vector>

#include "league/publish/season_matches.h"
#include "league/publish/site_pages.h"
#include "league/publish/standings_data.h"

namespace league {

// The pages `league publish --pages` writes beside the standings page, each
// self-contained as it is and linking to the others (site_pages.h).

// Every fixture and result round by round with their dates (fixtures.txt's
// rounds, or history/'s without it), printable on as many A4 pages as it takes.
std::string fixtures_page(const Standings& standings, const SitePages& pages);

// The results grid: home teams down, away teams across, in each cell the
// score, or the fixture's date while it is to come; one A4 page across in print.
std::string grid_page(const Standings& standings, const SitePages& pages);

// The page of one team: where it stands, its form, its results, its fixtures
// to come and its place after each recorded round; `matches` are the
// season's (season_matches.h), gathered once for every team.
std::string team_page(const Standings& standings, const SitePages& pages, const std::string& team,
                      const std::vector<SeasonMatch>& matches);

}  // namespace league
