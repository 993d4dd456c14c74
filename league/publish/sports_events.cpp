#include "league/publish/sports_events.h"

#include <nlohmann/json.hpp>

#include "league/names/team_name.h"

namespace league {

std::string_view event_status(Rescheduling rescheduling) {
  switch (rescheduling) {
    case Rescheduling::kPostponed:
      return "EventPostponed";
    case Rescheduling::kRearranged:
      return "EventRescheduled";
    case Rescheduling::kNone:
      break;
  }
  return "EventScheduled";
}

namespace {

using nlohmann::json;

json team(const std::string& name) {
  return {{"@type", "SportsTeam"}, {"name", written_form(name)}};
}

json sports_event(const SeasonMatch& match, const Grounds& grounds) {
  json event{
      {"@type", "SportsEvent"},
      {"name", written_form(match.home) + " v " + written_form(match.away)},
      {"sport", "Football"},
      {"homeTeam", team(match.home)},
      {"awayTeam", team(match.away)},
      {"eventStatus", "https://schema.org/" + std::string(event_status(match.rescheduling))}};
  if (match.date) {
    std::string start = format_date(*match.date);
    if (match.time) start += 'T' + format_time(*match.time);
    event["startDate"] = start;
  }
  const std::optional<std::string> own =
      match.venue.empty() ? std::nullopt : std::optional<std::string>(match.venue);
  if (const auto ground = match_venue(grounds, match.home, own)) {
    json place{{"@type", "Place"}, {"name", ground->name}};
    if (!ground->address.empty()) place["address"] = ground->address;
    event["location"] = place;
  }
  return event;
}

}  // namespace

std::string sports_events_script(const std::vector<SeasonMatch>& matches, const Grounds& grounds) {
  json events = json::array();
  for (const SeasonMatch& match : matches)
    if (match.fixture && !match.is_void) events.push_back(sports_event(match, grounds));
  if (events.empty()) return {};
  const json data{{"@context", "https://schema.org"}, {"@graph", events}};
  // Nothing in the data may end the script element, and no markup character
  // stands bare in the page: <, > and & are written as JSON escapes.
  std::string text;
  for (const char c : data.dump(-1, ' ', false, json::error_handler_t::replace)) {
    if (c == '<')
      text += "\\u003c";
    else if (c == '>')
      text += "\\u003e";
    else if (c == '&')
      text += "\\u0026";
    else
      text += c;
  }
  return "<script type=\"application/ld+json\">" + text + "</script>\n";
}

}  // namespace league
