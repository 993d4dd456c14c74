#include "league/publish/publish_matchdays.h"

#include <algorithm>

#include "common/text/wording.h"
#include "league/publish/publish_text.h"

namespace league {

namespace {

// The printed page keeps to the standings, so that twenty teams still fit
// one A4 page: the results and fixtures are for the screen.
constexpr std::string_view kStyle = R"css(
.matchdays { display: grid; grid-template-columns: repeat(auto-fill, minmax(280px, 1fr));
  gap: 0 32px; }
.matchdays > * { min-width: 0; }
table.matches td { white-space: normal; overflow-wrap: break-word; }
table.matches .home { width: 50%; }
table.matches .away { width: 50%; text-align: left; }
table.matches .score { text-align: center; white-space: nowrap; font-weight: 700; }
table.matches .when { display: block; font-size: 0.8em; color: var(--muted); }
table.matches time { white-space: nowrap; }
@media print { .matchdays { display: none; } }
)css";

std::string date_html(const std::optional<Date>& date, const std::optional<TimeOfDay>& time) {
  if (!date) return {};
  std::string text = format_date(*date);
  std::string shown = text;
  if (time) {
    text += 'T' + format_time(*time);
    shown += ' ' + format_time(*time);
  }
  return "<time datetime=\"" + text + "\">" + shown + "</time>";
}

// One match as a row: home, the score or a dash, away; `below_away` under the
// away team's name.
void match_row(std::string& html, std::string_view home, std::string_view score,
               std::string_view away, const std::string& below_away = {}) {
  html += "<tr><td class=\"home\">" + display_name(home) + "</td><td class=\"score\">";
  html += score;
  html += "</td><td class=\"away\">" + display_name(away);
  if (!below_away.empty()) html += "<span class=\"when\">" + below_away + "</span>";
  html += "</td></tr>\n";
}

void open_box(std::string& html, std::string_view id, const std::string& heading) {
  html += "<div id=\"";
  html += id;
  html += "\">\n<h2>" + heading + "</h2>\n<table class=\"matches\">\n<tbody>\n";
}

void close_box(std::string& html) {
  html += "</tbody>\n</table>\n</div>\n";
}

}  // namespace

std::string_view matchdays_style() {
  return kStyle;
}

std::string matchdays_sections(const Matchdays& matchdays) {
  const SeasonSchedule& schedule = matchdays.schedule;
  if (matchdays.results.empty() && schedule.postponed.empty() && schedule.next.empty()) return {};
  std::string html = "<section id=\"matchdays\" class=\"matchdays\">\n";
  if (!matchdays.results.empty()) {
    open_box(html, "results", "Round " + std::to_string(matchdays.last_round) + " results");
    for (const AppliedMatch& match : matchdays.results) {
      match_row(html, match.home,
                std::to_string(match.score.home) + "&ndash;" + std::to_string(match.score.away),
                match.away);
    }
    close_box(html);
  }
  if (!schedule.postponed.empty()) {
    open_box(html, "postponed", "Postponed");
    for (const FixtureState& fixture : schedule.postponed) {
      std::string when = "Round " + std::to_string(fixture.round);
      if (fixture.date) when += " &middot; " + date_html(fixture.date, fixture.time);
      match_row(html, fixture.home, "&ndash;", fixture.away, when);
    }
    close_box(html);
  }
  if (!schedule.next.empty()) {
    const FixtureState& first = schedule.next.front();
    std::string heading = "Next: round " + std::to_string(first.round);
    if (first.date) heading += " &middot; " + date_html(first.date, first.time);
    open_box(html, "next", heading);
    for (const FixtureState& fixture : schedule.next)
      match_row(html, fixture.home, "&ndash;", fixture.away);
    close_box(html);
  }
  html += "</section>\n";
  return html;
}

}  // namespace league
