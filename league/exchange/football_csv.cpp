#include "league/exchange/football_csv.h"

#include <cstddef>
#include <optional>
#include <vector>

#include "common/text/integers.h"
#include "common/text/spaces.h"
#include "league/exchange/csv_records.h"

namespace league::exchange {

namespace {

constexpr std::size_t kMissing = static_cast<std::size_t>(-1);

// The column of the first of the names the header has.
std::size_t column(const std::vector<std::string>& header,
                   std::initializer_list<std::string_view> names) {
  for (const std::string_view name : names) {
    for (std::size_t k = 0; k < header.size(); ++k) {
      if (ascii_lower(header[k]) == name) return k;
    }
  }
  return kMissing;
}

std::optional<int> whole_number(std::string_view text) {
  if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
  const auto value = parse_whole_int(text);
  if (!value) return std::nullopt;
  return *value;
}

std::optional<CalendarDate> parse_csv_date(std::string_view text) {
  if (auto iso = parse_iso_date(text)) return iso;
  const std::size_t first = text.find('/');
  const std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const auto day = whole_number(text.substr(0, first));
  const auto month = whole_number(text.substr(first + 1, second - first - 1));
  const std::string_view year_text = text.substr(second + 1);
  auto year = whole_number(year_text);
  if (!day || !month || !year || first > 2 || second - first - 1 > 2) return std::nullopt;
  if (year_text.size() == 2) {
    *year += *year >= 70 ? 1900 : 2000;
  } else if (year_text.size() != 4) {
    return std::nullopt;
  }
  const CalendarDate date{*year, *month, *day};
  if (!is_valid_date(date)) return std::nullopt;
  return date;
}

std::string day_month_year(const CalendarDate& date) {
  const std::string iso = iso_date(date);
  return iso.substr(8, 2) + '/' + iso.substr(5, 2) + '/' + iso.substr(0, 4);
}

char result_letter(const Score& score) {
  return score.home > score.away ? 'H' : score.home < score.away ? 'A' : 'D';
}

}  // namespace

SeasonReading read_football_csv(std::string_view text, std::string_view file) {
  SeasonReading reading;
  CsvRecords csv = read_csv_records(text, file);
  reading.problems = std::move(csv.problems);
  if (!reading.problems.empty()) return reading;
  const auto problem = [&](std::size_t line, std::string what) {
    reading.problems.push_back({std::string(file), line, std::move(what)});
  };
  if (csv.records.empty()) {
    problem(0, "no header row");
    return reading;
  }
  const std::vector<std::string>& header = csv.records.front().fields;
  const std::size_t header_line = csv.records.front().line;
  const std::size_t date = column(header, {"date"});
  const std::size_t time = column(header, {"time"});
  const std::size_t home = column(header, {"hometeam", "home"});
  const std::size_t away = column(header, {"awayteam", "away"});
  const std::size_t home_goals = column(header, {"fthg", "hg"});
  const std::size_t away_goals = column(header, {"ftag", "ag"});
  const std::size_t result = column(header, {"ftr", "res"});
  const std::size_t home_half = column(header, {"hthg"});
  const std::size_t away_half = column(header, {"htag"});
  const std::size_t half_result = column(header, {"htr"});
  const std::size_t round = column(header, {"round"});
  const std::size_t status = column(header, {"status"});
  const std::pair<std::size_t, std::string_view> required[] = {{date, "Date"},
                                                               {home, "HomeTeam or Home"},
                                                               {away, "AwayTeam or Away"},
                                                               {home_goals, "FTHG or HG"},
                                                               {away_goals, "FTAG or AG"}};
  for (const auto& [index, names] : required) {
    if (index == kMissing) problem(header_line, "the header has no column " + std::string(names));
  }
  if (!reading.problems.empty()) return reading;

  for (std::size_t r = 1; r < csv.records.size(); ++r) {
    const CsvRecord& record = csv.records[r];
    const auto field = [&](std::size_t index) -> std::string_view {
      return index < record.fields.size() ? std::string_view(record.fields[index])
                                          : std::string_view();
    };
    const std::size_t line = record.line;
    ExchangeMatch match;
    match.line = line;
    match.home = std::string(field(home));
    match.away = std::string(field(away));
    match.round_label = std::string(field(round));
    match.round = round_number(match.round_label);
    if (const auto parsed = parse_csv_date(field(date))) {
      match.date = *parsed;
    } else {
      problem(line, quoted(field(date)) + " is no date (dd/mm/yyyy)");
      continue;
    }
    if (!field(time).empty()) {
      match.time = parse_clock_time(field(time));
      if (!match.time) {
        problem(line, quoted(field(time)) + " is no time (HH:MM)");
        continue;
      }
    }
    // A score from two goal columns: both empty is none.
    const auto score = [&](std::size_t home_index, std::size_t away_index, std::string_view what,
                           std::optional<Score>& target) {
      const std::string_view h = field(home_index);
      const std::string_view a = field(away_index);
      if (h.empty() && a.empty()) return true;
      const auto home_count = whole_number(h);
      const auto away_count = whole_number(a);
      if (!home_count || !away_count) {
        std::string what_is_wrong = quoted(h);
        what_is_wrong += " and ";
        what_is_wrong += quoted(a);
        what_is_wrong += " are no ";
        what_is_wrong += what;
        what_is_wrong += " goals";
        problem(line, std::move(what_is_wrong));
        return false;
      }
      target = Score{*home_count, *away_count};
      return true;
    };
    if (!score(home_goals, away_goals, "full-time", match.full_time) ||
        !score(home_half, away_half, "half-time", match.half_time)) {
      continue;
    }
    const auto check_letter = [&](std::size_t index, const std::optional<Score>& given) {
      const std::string_view letter = field(index);
      if (letter.empty() || !given) return true;
      if (letter.size() == 1 && letter.front() == result_letter(*given)) return true;
      problem(line, "result " + quoted(letter) + " does not fit the score " +
                        std::to_string(given->home) + "-" + std::to_string(given->away));
      return false;
    };
    if (!check_letter(result, match.full_time) || !check_letter(half_result, match.half_time)) {
      continue;
    }
    match.status = implied_status(match);
    if (!field(status).empty()) {
      const auto named = parse_status(ascii_lower(field(status)));
      if (!named) {
        problem(line, quoted(field(status)) + " is no match status");
        continue;
      }
      match.status = *named;
    }
    if (const auto wrong = match_problem(match)) {
      problem(line, *wrong);
      continue;
    }
    reading.season.matches.push_back(std::move(match));
  }
  return reading;
}

std::string write_football_csv(const ExchangeSeason& season) {
  std::string out = "Date,Time,HomeTeam,AwayTeam,FTHG,FTAG,FTR,HTHG,HTAG,HTR,Round,Status\r\n";
  const auto score_fields = [](const std::optional<Score>& score) {
    if (!score) return std::string(",,");
    return std::to_string(score->home) + ',' + std::to_string(score->away) + ',' +
           result_letter(*score);
  };
  for (const ExchangeMatch& match : season.matches) {
    out += day_month_year(match.date) + ',';
    out += (match.time ? clock_time(*match.time) : std::string()) + ',';
    out += csv_field(match.home) + ',' + csv_field(match.away) + ',';
    out += score_fields(match.full_time) + ',' + score_fields(match.half_time) + ',';
    out += csv_field(match.round_label) + ',';
    if (match.status != implied_status(match)) out += status_name(match.status);
    out += "\r\n";
  }
  return out;
}

}  // namespace league::exchange
