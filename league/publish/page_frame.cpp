#include "league/publish/page_frame.h"

#include <array>

#include "league/publish/publish_html.h"
#include "league/publish/publish_text.h"

namespace league {

namespace {

constexpr std::string_view kFrameStyle = R"css(
nav.pages { margin-top: 10px; display: flex; flex-wrap: wrap; gap: 4px 16px; }
nav.pages a, nav.pages span { color: #fff; font-weight: 600; }
nav.pages span { color: #c9d3e3; font-weight: 400; }
main a { color: inherit; text-decoration-color: #b8c0cc; text-underline-offset: 2px; }
main a:hover { text-decoration-color: currentColor; }
@media print { nav.pages { display: none; } }
)css";

void link_or_name(std::string& html, const std::string& path, std::string_view here,
                  std::string_view text) {
  if (path == here) {
    html += "<span aria-current=\"page\">";
    html += text;
    html += "</span>";
  } else {
    html += "<a href=\"" + page_link(path) + "\">";
    html += text;
    html += "</a>";
  }
}

}  // namespace

std::string framed_page(const PageFrame& frame, const std::string& main) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"generator\" content=\"league publish\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
      frame.title + "</title>\n<style>" + std::string(standings_style()) +
      std::string(kFrameStyle) + frame.style + "</style>\n" + frame.head_extra +
      "</head>\n<body>\n<header>\n<h1>" + frame.heading + "</h1>\n" + frame.line +
      "</header>\n<main>\n" + main +
      "</main>\n<footer>Published with <code>league publish</code>.</footer>\n</body>\n</html>\n";
  return html;
}

std::string_view nav_style() {
  return kFrameStyle;
}

std::string league_heading(const Standings& standings) {
  return standings.league.empty() ? "League" : html_escape(standings.league);
}

std::string site_nav(const SitePages& pages, std::string_view here) {
  std::string html = "<nav class=\"pages\">";
  link_or_name(html, pages.standings, here, "Table");
  link_or_name(html, pages.fixtures, here, "Fixtures &amp; results");
  link_or_name(html, pages.grid, here, "Results grid");
  return html + "</nav>\n";
}

std::string team_link(const SitePages* pages, const std::string& team) {
  const std::string path = pages ? pages->team_page(team) : std::string();
  if (path.empty()) return display_name(team);
  return "<a href=\"" + page_link(path) + "\">" + display_name(team) + "</a>";
}

std::string short_date_html(const Date& date, const std::optional<TimeOfDay>& time) {
  static constexpr std::array<std::string_view, 12> kMonths{
      "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::string datetime = format_date(date);
  if (time) datetime += 'T' + format_time(*time);
  return "<time datetime=\"" + datetime + "\">" + std::to_string(date.day) + "<br>" +
         std::string(kMonths.at(static_cast<std::size_t>(date.month - 1))) + "</time>";
}

void cell(std::string& html, std::string_view css_class, std::string_view text) {
  html += "<td";
  if (!css_class.empty()) {
    html += " class=\"";
    html += css_class;
    html += '"';
  }
  html += '>';
  html += text;
  html += "</td>";
}

}  // namespace league
