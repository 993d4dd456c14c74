#include "league/publish/publish_matchdays.h"

#include <algorithm>

#include "common/text/wording.h"
#include "league/publish/publish_text.h"
#include "league/season/round_fixtures.h"
#include "league/zone/people_dates.h"

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
table.matches .venue { color: var(--muted); }
@media print { .matchdays { display: none; } }
)css";

}  // namespace

std::string people_day(const Date& date) {
  return zone::people_date(date.year, date.month, date.day);
}

std::string date_html(const std::optional<Date>& date, const std::optional<TimeOfDay>& time) {
  if (!date) return {};
  std::string text = format_date(*date);
  std::string shown = people_day(*date);
  if (time) {
    text += 'T' + format_time(*time);
    shown += ' ' + format_time(*time);
  }
  return "<time datetime=\"" + text + "\">" + shown + "</time>";
}

namespace {

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

// "Round 5 · rearranged · Wed 24 Feb 2027 19:45": a fixture's round, what
// became of its day, and its day.
std::string fixture_when(const FixtureState& fixture, bool with_round) {
  std::vector<std::string> parts;
  if (with_round) parts.push_back("Round " + std::to_string(fixture.round()));
  if (fixture.rescheduling() != Rescheduling::kNone)
    parts.emplace_back(rescheduling_word(fixture.rescheduling()));
  if (fixture.date()) parts.push_back(date_html(fixture.date(), fixture.time()));
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : " &middot; ") + part;
  return text;
}

// The last entry's results, headed by their round of fixtures.txt, each with
// its fixture's day and an award's mark and reason.
void results_box(std::string& html, const Matchdays& matchdays) {
  const SeasonSchedule* schedule = matchdays.fixtures ? &matchdays.schedule : nullptr;
  const std::string heading =
      schedule ? results_heading(matchdays.results, *schedule, matchdays.last_round)
               : "Round " + std::to_string(matchdays.last_round);
  open_box(html, "results", html_escape(heading) + " results");
  for (const AppliedMatch& match : matchdays.results) {
    std::string below;
    if (const FixtureState* fixture = schedule ? schedule->find(match.home, match.away) : nullptr)
      below = date_html(fixture->date(), fixture->time());
    if (!match.awarded.empty())
      below += std::string(below.empty() ? "" : " &middot; ") +
               "<span class=\"awarded\">awarded: " + html_escape(match.awarded) + "</span>";
    match_row(html, match.home,
              std::to_string(match.score.home) + "&ndash;" + std::to_string(match.score.away),
              match.away, below);
  }
  close_box(html);
}

// "The Homelands, Ashford Road" of a fixture to play, escaped; empty when its
// venue is unknown.
std::string venue_html(const Grounds& grounds, const FixtureState& fixture) {
  const auto venue = match_venue(grounds, fixture.home());
  return venue ? "<span class=\"venue\">" + html_escape(ground_text(*venue)) + "</span>"
               : std::string();
}

// Two parts of a line under a match, either of which may be empty.
std::string joined(const std::string& first, const std::string& second) {
  if (first.empty() || second.empty()) return first + second;
  return first + " &middot; " + second;
}

}  // namespace

std::string_view matchdays_style() {
  return kStyle;
}

std::string matchdays_sections(const Matchdays& matchdays, const Grounds& grounds) {
  const SeasonSchedule& schedule = matchdays.schedule;
  if (matchdays.results.empty() && schedule.postponed.empty() && schedule.next.empty()) return {};
  std::string html = "<section id=\"matchdays\" class=\"matchdays\">\n";
  if (!matchdays.results.empty()) results_box(html, matchdays);
  if (!schedule.postponed.empty()) {
    open_box(html, "postponed", "Postponed");
    for (const FixtureState& fixture : schedule.postponed) {
      match_row(html, fixture.home(), "&ndash;", fixture.away(),
                joined(fixture_when(fixture, true), venue_html(grounds, fixture)));
    }
    close_box(html);
  }
  if (!schedule.next.empty()) {
    const FixtureState& first = schedule.next.front();
    std::string heading = "Next: round " + std::to_string(first.round());
    if (first.date()) heading += " &middot; " + date_html(first.date(), first.time());
    open_box(html, "next", heading);
    for (const FixtureState& fixture : schedule.next) {
      const bool apart =
          fixture.round() != first.round() || fixture.rescheduling() != Rescheduling::kNone;
      match_row(html, fixture.home(), "&ndash;", fixture.away(),
                joined(apart ? fixture_when(fixture, true) : std::string(),
                       venue_html(grounds, fixture)));
    }
    close_box(html);
  }
  html += "</section>\n";
  return html;
}

}  // namespace league
