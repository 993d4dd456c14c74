#pragma once

#include <string>
#include <string_view>

#include "league/publish/site_pages.h"
#include "league/publish/standings_data.h"

namespace league {

// The standings as one self-contained HTML5 page: the style sheet and the
// chart inline, nothing loaded from elsewhere and no script, laid out for a
// phone as well as a wide screen and printing on one A4 page.
// With `pages`, it links to the pages beside it (site_pages.h) and each
// team's name to its page.
std::string standings_page(const Standings& standings, const SitePages* pages = nullptr);

// W, D and L letters as the page's coloured form marks (inside class "form").
std::string form_marks(std::string_view letters);

// The page's style sheet, which the pages beside it share.
std::string_view standings_style();

}  // namespace league
