#include "league/exchange/season_data.h"

#include <charconv>

#include "common/text/spaces.h"
#include "common/text/wording.h"
#include "league/zone/civil.h"

namespace league::exchange {

namespace {

// Exactly `count` digits at `pos` of the text.
std::optional<int> digits(std::string_view text, std::size_t pos, std::size_t count) {
  if (pos + count > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t k = pos; k < pos + count; ++k) {
    if (!is_digit(text[k])) return std::nullopt;
    value = value * 10 + (text[k] - '0');
  }
  return value;
}

}  // namespace

bool is_valid_date(const CalendarDate& date) {
  return date.y >= 1 && date.y <= 9999 && date.m >= 1 && date.m <= 12 && date.d >= 1 &&
         date.d <= zone::days_in_month(date.y, date.m);
}

std::int64_t day_number(const CalendarDate& date) {
  return zone::days_from_civil(date.y, date.m, date.d);
}

int weekday(const CalendarDate& date) {
  return (zone::weekday_from_days(day_number(date)) + 6) % 7;  // from Sunday first to Monday
}

std::string iso_date(const CalendarDate& date) {
  std::string year = std::to_string(date.y);
  while (year.size() < 4) year.insert(year.begin(), '0');
  return year + '-' + two_digits(date.m) + '-' + two_digits(date.d);
}

std::optional<CalendarDate> parse_iso_date(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto y = digits(text, 0, 4);
  const auto m = digits(text, 5, 2);
  const auto d = digits(text, 8, 2);
  if (!y || !m || !d) return std::nullopt;
  const CalendarDate date{*y, *m, *d};
  if (!is_valid_date(date)) return std::nullopt;
  return date;
}

std::string clock_time(const ClockTime& time) {
  return two_digits(time.hour) + ':' + two_digits(time.minute);
}

std::optional<ClockTime> parse_clock_time(std::string_view text) {
  const std::size_t split = text.find_first_of(":.");
  if (split == std::string_view::npos || split == 0 || split > 2 || text.size() != split + 3) {
    return std::nullopt;
  }
  const auto hour = digits(text, 0, split);
  const auto minute = digits(text, split + 1, 2);
  if (!hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
  return ClockTime{*hour, *minute};
}

std::string_view status_name(MatchStatus status) {
  switch (status) {
    case MatchStatus::played:
      return "played";
    case MatchStatus::unplayed:
      return "unplayed";
    case MatchStatus::postponed:
      return "postponed";
    case MatchStatus::awarded:
      return "awarded";
    case MatchStatus::abandoned:
      return "abandoned";
  }
  return "unplayed";
}

int round_number(std::string_view label) {
  std::size_t pos = 0;
  while (pos < label.size() && !is_digit(label[pos])) ++pos;
  int value = 0;
  const auto [end, error] = std::from_chars(label.data() + pos, label.data() + label.size(), value);
  (void)end;
  return error == std::errc{} ? value : 0;
}

std::optional<std::string> match_problem(const ExchangeMatch& match) {
  if (match.home.empty() || match.away.empty()) return "a match without both team names";
  if (match.home == match.away) return in_quotes(match.home) + " plays itself";
  for (const auto& score : {match.full_time, match.half_time}) {
    if (score && (score->home < 0 || score->away < 0)) return "a negative goal count";
  }
  if (match.half_time && !match.full_time) return "a half-time score without a full-time score";
  const bool needs_score =
      match.status == MatchStatus::played || match.status == MatchStatus::awarded;
  const bool has_no_score =
      match.status == MatchStatus::unplayed || match.status == MatchStatus::postponed;
  if (needs_score && !match.full_time) {
    return std::string("a match ") + std::string(status_name(match.status)) +
           " without a full-time score";
  }
  if (has_no_score && match.full_time) {
    return std::string("a ") + std::string(status_name(match.status)) + " match with a score";
  }
  return std::nullopt;
}

std::string ascii_lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::optional<MatchStatus> parse_status(std::string_view name) {
  for (const MatchStatus status :
       {MatchStatus::played, MatchStatus::unplayed, MatchStatus::postponed, MatchStatus::awarded,
        MatchStatus::abandoned}) {
    if (status_name(status) == name) return status;
  }
  return std::nullopt;
}

}  // namespace league::exchange
