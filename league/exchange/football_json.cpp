#include "league/exchange/football_json.h"

#include <nlohmann/json.hpp>
#include <vector>

namespace league::exchange {

namespace {

using nlohmann::json;

std::size_t line_at(std::string_view text, std::size_t byte) {
  std::size_t line = 1;
  for (std::size_t pos = 0; pos < byte && pos < text.size(); ++pos) {
    if (text[pos] == '\n') ++line;
  }
  return line;
}

// The line of each object in the top-level "matches" array, in order: the
// JSON parser keeps no positions, so the text is walked once more.
std::vector<std::size_t> match_lines(std::string_view text) {
  std::vector<std::size_t> lines;
  std::vector<char> open;  // '{' or '[' of each enclosing value
  std::string last_string;
  std::string key_of_array;  // the key that the outermost array belongs to
  std::size_t line = 1;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c == '\n') {
      ++line;
    } else if (c == '"') {
      last_string.clear();
      for (++pos; pos < text.size() && text[pos] != '"'; ++pos) {
        if (text[pos] == '\\') ++pos;
        if (pos < text.size()) last_string += text[pos];
      }
    } else if (c == '{' || c == '[') {
      if (c == '[' && open.size() == 1) key_of_array = last_string;
      if (c == '{' && open.size() == 2 && open[1] == '[' && key_of_array == "matches") {
        lines.push_back(line);
      }
      open.push_back(c);
    } else if ((c == '}' || c == ']') && !open.empty()) {
      open.pop_back();
    }
  }
  return lines;
}

std::optional<Score> score_pair(const json& value) {
  if (!value.is_array() || value.size() != 2 || !value[0].is_number_integer() ||
      !value[1].is_number_integer()) {
    return std::nullopt;
  }
  const auto home = value[0].get<std::int64_t>();
  const auto away = value[1].get<std::int64_t>();
  if (home < 0 || away < 0 || home > 999 || away > 999) return std::nullopt;
  return Score{static_cast<int>(home), static_cast<int>(away)};
}

std::optional<std::string> team_name(const json& value) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_object() && value.contains("name") && value["name"].is_string()) {
    return value["name"].get<std::string>();
  }
  return std::nullopt;
}

// The match an object holds, or what is wrong with it.
std::optional<std::string> read_match(const json& object, ExchangeMatch& match) {
  if (!object.is_object()) return "a match that is not an object";
  if (object.contains("round")) {
    if (!object["round"].is_string()) return "\"round\" is not text";
    match.round_label = object["round"].get<std::string>();
    match.round = round_number(match.round_label);
  }
  const auto date = object.contains("date") && object["date"].is_string()
                        ? parse_iso_date(object["date"].get<std::string>())
                        : std::nullopt;
  if (!date) return "a match without a \"date\" as YYYY-MM-DD";
  match.date = *date;
  if (object.contains("time")) {
    match.time = object["time"].is_string() ? parse_clock_time(object["time"].get<std::string>())
                                            : std::nullopt;
    if (!match.time) return "\"time\" is not HH:MM";
  }
  const auto home = object.contains("team1") ? team_name(object["team1"]) : std::nullopt;
  const auto away = object.contains("team2") ? team_name(object["team2"]) : std::nullopt;
  if (!home || !away) return "a match without \"team1\" and \"team2\" names";
  match.home = *home;
  match.away = *away;
  if (object.contains("score")) {
    const json& score = object["score"];
    if (!score.is_object()) return "\"score\" is not an object";
    for (const auto& [key, target] :
         {std::pair{"ft", &match.full_time}, std::pair{"ht", &match.half_time}}) {
      if (!score.contains(key)) continue;
      *target = score_pair(score[key]);
      if (!*target) return std::string("\"") + key + "\" is not a pair of goal counts";
    }
  }
  match.status = implied_status(match);
  if (object.contains("status")) {
    const auto status = object["status"].is_string()
                            ? parse_status(object["status"].get<std::string>())
                            : std::nullopt;
    if (!status) return "\"status\" is none of played, unplayed, postponed, awarded, abandoned";
    match.status = *status;
  }
  return match_problem(match);
}

}  // namespace

SeasonReading read_football_json(std::string_view text, std::string_view file) {
  SeasonReading reading;
  const auto problem = [&](std::size_t line, std::string what) {
    reading.problems.push_back({std::string(file), line, std::move(what)});
  };
  json root;
  try {
    root = json::parse(text);
  } catch (const json::parse_error& error) {
    problem(line_at(text, error.byte == 0 ? 0 : error.byte - 1),
            "not JSON: " + std::string(error.what()));
    return reading;
  }
  if (!root.is_object() || !root.contains("matches") || !root["matches"].is_array()) {
    problem(1, "no \"matches\" list at the top");
    return reading;
  }
  if (root.contains("name")) {
    if (!root["name"].is_string()) {
      problem(1, "\"name\" is not text");
      return reading;
    }
    reading.season.name = root["name"].get<std::string>();
  }
  const std::vector<std::size_t> lines = match_lines(text);
  const json& matches = root["matches"];
  for (std::size_t k = 0; k < matches.size(); ++k) {
    ExchangeMatch match;
    match.line = k < lines.size() ? lines[k] : 0;
    if (const auto wrong = read_match(matches[k], match)) {
      problem(match.line, *wrong);
      continue;
    }
    reading.season.matches.push_back(std::move(match));
  }
  return reading;
}

std::string write_football_json(const ExchangeSeason& season) {
  nlohmann::ordered_json matches = nlohmann::ordered_json::array();
  for (const ExchangeMatch& match : season.matches) {
    nlohmann::ordered_json object;
    if (!match.round_label.empty()) object["round"] = match.round_label;
    object["date"] = iso_date(match.date);
    if (match.time) object["time"] = clock_time(*match.time);
    object["team1"] = match.home;
    object["team2"] = match.away;
    if (match.full_time) {
      nlohmann::ordered_json score;
      score["ft"] = {match.full_time->home, match.full_time->away};
      if (match.half_time) score["ht"] = {match.half_time->home, match.half_time->away};
      object["score"] = score;
    }
    if (match.status != implied_status(match))
      object["status"] = std::string(status_name(match.status));
    matches.push_back(std::move(object));
  }
  nlohmann::ordered_json root;
  root["name"] = season.name;
  root["matches"] = std::move(matches);
  return root.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace league::exchange
