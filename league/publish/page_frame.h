#pragma once

#include <string>
#include <string_view>

#include "league/publish/site_pages.h"
#include "league/publish/standings_data.h"

namespace league {

// What the pages beside the standings page share: the head with the standings
// page's style sheet and one of their own, the header, and the links between
// the pages.

struct PageFrame {
  std::string title;       // escaped
  std::string heading;     // escaped
  std::string line;        // HTML below the heading
  std::string style;       // the page's own rules, after the shared ones
  std::string head_extra;  // more of <head>, such as structured data
};

// The whole document: `main` between the header and the footer.
std::string framed_page(const PageFrame& frame, const std::string& main);

// The league's name as the pages' headings give it ("League" without one), escaped.
std::string league_heading(const Standings& standings);

// The links between the pages, the one shown (`here`, a path of `pages`) not
// linked.
std::string site_nav(const SitePages& pages, std::string_view here);

// The style of those links, which the standings page takes too when it has them.
std::string_view nav_style();

// A team's name as shown, linked to its page when it has one.
std::string team_link(const SitePages* pages, const std::string& team);

// "13<br>Feb": a date as narrow as a grid cell shows it, in a <time> element.
std::string short_date_html(const Date& date, const std::optional<TimeOfDay>& time);

// Adds a <td> holding `text` (HTML), of the class when there is one.
void cell(std::string& html, std::string_view css_class, std::string_view text);

}  // namespace league
