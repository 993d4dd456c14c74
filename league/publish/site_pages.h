#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace league {

// The pages `league publish --pages` writes beside the standings page, named
// after it: for site/index.html, site/index-fixtures.html (the fixtures and
// results round by round), site/index-grid.html (the results grid) and a
// page per team, site/index-team-ashford.html.
struct TeamPage {
  std::string team;
  std::string path;
};
struct SitePages {
  std::string standings;  // the standings page itself
  std::string fixtures;
  std::string grid;
  std::vector<TeamPage> teams;  // in the order of the teams given

  // The page of `team`; empty when it has none.
  std::string team_page(std::string_view team) const;
};

// The pages beside `page` for these teams. A team's part of its page's name
// is its name in lower case, every run of other characters than ASCII letters,
// digits and UTF-8 ones a dash ("Brighton_&_Hove" brighton-hove); a second
// team of the same part gets "-2", and so on.
SitePages site_pages(const std::string& page, const std::vector<std::string>& teams);

// The most teams the pages are written for. The grid has a cell for every
// pairing and each team's page lists its season, so the pages grow with the
// square of the teams: 100 teams make some 10,000 cells and 10 MB of pages.
constexpr std::size_t kMaxSitePageTeams = 100;

// The link from one page to another beside it: its file name, with every
// byte but ASCII letters, digits, '-', '.' and '_' percent-encoded.
std::string page_link(std::string_view path);

}  // namespace league
