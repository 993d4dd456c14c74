#include "league/exchange/import_rounds.h"

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>

namespace league::exchange {

bool counts(const ExchangeMatch& match) {
  return match.full_time &&
         (match.status == MatchStatus::played || match.status == MatchStatus::awarded);
}

std::vector<ImportRound> group_import_rounds(const ExchangeSeason& season) {
  std::vector<const ExchangeMatch*> order;
  for (const ExchangeMatch& match : season.matches) {
    if (counts(match)) order.push_back(&match);
  }
  const auto key = [](const ExchangeMatch* match) {
    const int minutes = match->time ? match->time->hour * 60 + match->time->minute : -1;
    return std::tuple(match->date, minutes);
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](const ExchangeMatch* a, const ExchangeMatch* b) { return key(a) < key(b); });

  std::vector<ImportRound> rounds;
  for (const ExchangeMatch* match : order) {
    bool next = rounds.empty();
    if (!next) {
      const ImportRound& round = rounds.back();
      const std::int64_t day = day_number(match->date);
      const bool team_plays =
          std::any_of(round.matches.begin(), round.matches.end(), [&](const ExchangeMatch& other) {
            return other.home == match->home || other.home == match->away ||
                   other.away == match->home || other.away == match->away;
          });
      next = team_plays || day - day_number(round.first) >= 7 ||
             day - day_number(round.last) >= 2 ||
             match->round_label != round.matches.front().round_label;
    }
    if (next) rounds.push_back({{}, match->date, match->date});
    rounds.back().matches.push_back(*match);
    rounds.back().last = match->date;
  }
  return rounds;
}

namespace {

// A match out of its place by its date, and what is wrong with that date.
struct Misdated {
  ExchangeMatch* match;
  std::string what;
  CalendarDate start;                 // of the season
  std::optional<CalendarDate> after;  // a year later, it must not come before this day
};

// A file without round numbers: the matches dated before its first one, when
// every other match follows the one before it in date order.
std::vector<Misdated> unnumbered_misdated(ExchangeSeason& season) {
  if (season.matches.empty()) return {};
  const CalendarDate start = season.matches.front().date;
  std::vector<Misdated> early;
  std::optional<CalendarDate> previous;
  for (ExchangeMatch& match : season.matches) {
    if (match.date < start) {
      early.push_back({&match,
                       "dated " + iso_date(match.date) + ", before the season's first match on " +
                           iso_date(start) + ", in a file in date order",
                       start, previous});
      continue;
    }
    if (previous && match.date < *previous) return {};  // not a file in date order
    previous = match.date;
  }
  return early;
}

// A file with round numbers: a match of a later round dated before the
// first round begins; or, without them, unnumbered_misdated.
std::vector<Misdated> misdated(ExchangeSeason& season) {
  std::optional<int> first_round;
  for (const ExchangeMatch& match : season.matches) {
    if (match.round > 0 && (!first_round || match.round < *first_round)) first_round = match.round;
  }
  if (!first_round) return unnumbered_misdated(season);
  std::optional<CalendarDate> start;
  for (const ExchangeMatch& match : season.matches) {
    if (match.round == *first_round && (!start || match.date < *start)) start = match.date;
  }
  std::vector<Misdated> found;
  for (ExchangeMatch& match : season.matches) {
    if (match.round > *first_round && match.date < *start) {
      found.push_back({&match,
                       match.round_label + " dated " + iso_date(match.date) +
                           ", before the first round begins on " + iso_date(*start),
                       *start, start});
    }
  }
  return found;
}

// The date a year later, when it is a day and it falls within a year of the
// season's start, not before `after`.
std::optional<CalendarDate> year_later(const CalendarDate& date, const CalendarDate& start,
                                       const std::optional<CalendarDate>& after) {
  const CalendarDate later{date.y + 1, date.m, date.d};
  const CalendarDate season_end{start.y + 1, start.m, start.d};
  if (!is_valid_date(later) || later < start || !(later < season_end)) return std::nullopt;
  if (after && later < *after) return std::nullopt;
  return later;
}

}  // namespace

std::vector<Diagnostic> date_order_problems(const ExchangeSeason& season, std::string_view file) {
  ExchangeSeason copy = season;
  std::vector<Diagnostic> problems;
  for (const Misdated& found : misdated(copy))
    problems.push_back({std::string(file), found.match->line, found.what + " (a wrong year?)"});
  return problems;
}

std::vector<Diagnostic> mend_wrong_years(ExchangeSeason& season, std::string_view file) {
  const std::vector<Misdated> found = misdated(season);
  std::vector<std::pair<ExchangeMatch*, CalendarDate>> mended;
  std::vector<Diagnostic> notes;
  for (const Misdated& one : found) {
    const auto later = year_later(one.match->date, one.start, one.after);
    if (!later) return {};  // not all a year out: the dates are left to be refused
    mended.emplace_back(one.match, *later);
    notes.push_back({std::string(file), one.match->line,
                     one.what + ": read as " + iso_date(*later) + ", a year later"});
  }
  for (auto& [match, date] : mended) match->date = date;
  return notes;
}

}  // namespace league::exchange
