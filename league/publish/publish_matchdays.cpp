#include "league/publish/publish_matchdays.h"

#include <algorithm>
#include <ctime>

#include "common/text/wording.h"
#include "league/publish/calendar.h"
#include "league/publish/publish_text.h"

namespace league {

namespace {

using Json = nlohmann::ordered_json;

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

Json fixtures_json(const std::vector<FixtureState>& fixtures) {
  Json list = Json::array();
  for (const FixtureState& fixture : fixtures) {
    list.push_back({{"round", fixture.round},
                    {"date", fixture.date ? Json(format_date(*fixture.date)) : Json(nullptr)},
                    {"home", fixture.home},
                    {"away", fixture.away}});
  }
  return list;
}

// The offset of this computer's clock from UTC at a local date and time, in
// minutes, its summer time included.
int local_utc_offset(const Date& date, const TimeOfDay& time) {
  std::tm local{};
  local.tm_year = date.year - 1900;
  local.tm_mon = date.month - 1;
  local.tm_mday = date.day;
  local.tm_hour = time.hour;
  local.tm_min = time.minute;
  local.tm_isdst = -1;
  const std::time_t moment = std::mktime(&local);
  if (moment == static_cast<std::time_t>(-1)) return 0;
  const std::int64_t as_utc =
      days_since_epoch(date) * 86400 + std::int64_t{time.hour} * 3600 + time.minute * 60;
  return static_cast<int>((as_utc - static_cast<std::int64_t>(moment)) / 60);
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

void add_matchdays_json(Json& document, const Matchdays& matchdays) {
  Json results = Json::array();
  for (const AppliedMatch& match : matchdays.results) {
    results.push_back({{"home", match.home},
                       {"away", match.away},
                       {"home_goals", match.score.home},
                       {"away_goals", match.score.away}});
  }
  document["results"] = results;
  document["postponed"] = fixtures_json(matchdays.schedule.postponed);
  document["next_fixtures"] = fixtures_json(matchdays.schedule.next);
}

std::string league_id_of_teams(std::vector<std::string> teams) {
  std::sort(teams.begin(), teams.end());
  std::string names;
  for (const std::string& team : teams) names += team + '\n';
  return "league-" + hex16(fnv1a(names));
}

std::string fixtures_calendar(const Fixtures& fixtures, const SeasonSchedule& schedule,
                              const std::vector<std::string>& table_teams,
                              const std::string& league_name, std::int64_t now) {
  CalendarSettings settings;
  settings.league_name = league_name;
  settings.league_id = league_id_of_teams(table_teams);
  settings.dtstamp = now;
  settings.utc_offset = local_utc_offset;
  const PlayedLookup played = [&](const FixtureRound&,
                                  const FixtureMatch& match) -> std::optional<Score> {
    const FixtureState* fixture = schedule.find(match.home, match.away);
    if (fixture == nullptr || !fixture->played) return std::nullopt;
    return fixture->played->score;
  };
  return calendar_text(fixtures, played, settings);
}

}  // namespace league
