#include "league/exchange/football_csv.h"

#include <cstddef>
#include <optional>
#include <vector>

#include "common/text/integers.h"
#include "common/text/spaces.h"
#include "common/text/wording.h"
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

// Where each column the reader knows stands in the header; kMissing when absent.
struct Columns {
  std::size_t date, time, home, away, home_goals, away_goals, result;
  std::size_t home_half, away_half, half_result, round, status;
};

Columns columns_of(const std::vector<std::string>& header) {
  return {column(header, {"date"}),
          column(header, {"time"}),
          column(header, {"hometeam", "home"}),
          column(header, {"awayteam", "away"}),
          column(header, {"fthg", "hg"}),
          column(header, {"ftag", "ag"}),
          column(header, {"ftr", "res"}),
          column(header, {"hthg"}),
          column(header, {"htag"}),
          column(header, {"htr"}),
          column(header, {"round"}),
          column(header, {"status"})};
}

// The names of the columns a file must have that its header lacks.
std::vector<std::string_view> missing_columns(const Columns& at) {
  const std::pair<std::size_t, std::string_view> required[] = {{at.date, "Date"},
                                                               {at.home, "HomeTeam or Home"},
                                                               {at.away, "AwayTeam or Away"},
                                                               {at.home_goals, "FTHG or HG"},
                                                               {at.away_goals, "FTAG or AG"}};
  std::vector<std::string_view> missing;
  for (const auto& [index, names] : required) {
    if (index == kMissing) missing.push_back(names);
  }
  return missing;
}

// A score from two goal fields: both empty is none. Returns what is wrong, empty when nothing.
std::string read_score(std::string_view h, std::string_view a, std::string_view what,
                       std::optional<Score>& target) {
  if (h.empty() && a.empty()) return {};
  const auto home_count = whole_number(h);
  const auto away_count = whole_number(a);
  if (!home_count || !away_count)
    return in_quotes(h) + " and " + in_quotes(a) + " are no " + std::string(what) + " goals";
  target = Score{*home_count, *away_count};
  return {};
}

// A result letter (H, D, A) that does not fit its score; empty when it fits or either is missing.
std::string letter_problem(std::string_view letter, const std::optional<Score>& given) {
  if (letter.empty() || !given) return {};
  if (letter.size() == 1 && letter.front() == result_letter(*given)) return {};
  return "result " + in_quotes(letter) + " does not fit the score " + std::to_string(given->home) +
         "-" + std::to_string(given->away);
}

// The date and kick-off of a row. Returns what is wrong, empty when nothing.
std::string read_when(std::string_view date, std::string_view time, ExchangeMatch& match) {
  const auto parsed = parse_csv_date(date);
  if (!parsed) return in_quotes(date) + " is no date (dd/mm/yyyy)";
  match.date = *parsed;
  if (time.empty()) return {};
  match.time = parse_clock_time(time);
  if (!match.time) return in_quotes(time) + " is no time (HH:MM)";
  return {};
}

// Fills `match` from one record, checking each field in turn. Returns the first
// thing wrong with the record, empty when nothing.
std::string read_row(const CsvRecord& record, const Columns& at, ExchangeMatch& match) {
  const auto field = [&](std::size_t index) -> std::string_view {
    return index < record.fields.size() ? std::string_view(record.fields[index])
                                        : std::string_view();
  };
  match.line = record.line;
  match.home = std::string(field(at.home));
  match.away = std::string(field(at.away));
  match.round_label = std::string(field(at.round));
  match.round = round_number(match.round_label);
  std::string wrong = read_when(field(at.date), field(at.time), match);
  if (wrong.empty()) {
    wrong = read_score(field(at.home_goals), field(at.away_goals), "full-time", match.full_time);
  }
  if (wrong.empty()) {
    wrong = read_score(field(at.home_half), field(at.away_half), "half-time", match.half_time);
  }
  if (wrong.empty()) wrong = letter_problem(field(at.result), match.full_time);
  if (wrong.empty()) wrong = letter_problem(field(at.half_result), match.half_time);
  if (!wrong.empty()) return wrong;
  match.status = implied_status(match);
  if (!field(at.status).empty()) {
    const auto named = parse_status(ascii_lower(field(at.status)));
    if (!named) return in_quotes(field(at.status)) + " is no match status";
    match.status = *named;
  }
  return match_problem(match).value_or(std::string());
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
  const Columns at = columns_of(csv.records.front().fields);
  for (const std::string_view names : missing_columns(at)) {
    problem(csv.records.front().line, "the header has no column " + std::string(names));
  }
  if (!reading.problems.empty()) return reading;
  for (std::size_t r = 1; r < csv.records.size(); ++r) {
    ExchangeMatch match;
    std::string wrong = read_row(csv.records[r], at, match);
    if (wrong.empty()) {
      reading.season.matches.push_back(std::move(match));
    } else {
      problem(csv.records[r].line, std::move(wrong));
    }
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
