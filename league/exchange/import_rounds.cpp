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

// A file without round numbers: the matches dated before its first one, when
// every other match follows the one before it in date order.
std::vector<Diagnostic> unnumbered_date_problems(const ExchangeSeason& season,
                                                 std::string_view file) {
  if (season.matches.empty()) return {};
  const CalendarDate start = season.matches.front().date;
  std::vector<const ExchangeMatch*> early;
  std::optional<CalendarDate> previous;
  for (const ExchangeMatch& match : season.matches) {
    if (match.date < start) {
      early.push_back(&match);
      continue;
    }
    if (previous && match.date < *previous) return {};  // not a file in date order
    previous = match.date;
  }
  std::vector<Diagnostic> problems;
  for (const ExchangeMatch* match : early) {
    problems.push_back({std::string(file), match->line,
                        "dated " + iso_date(match->date) + ", before the season's first match on " +
                            iso_date(start) + ", in a file in date order (a wrong year?)"});
  }
  return problems;
}

}  // namespace

std::vector<Diagnostic> date_order_problems(const ExchangeSeason& season, std::string_view file) {
  std::optional<int> first_round;
  for (const ExchangeMatch& match : season.matches) {
    if (match.round > 0 && (!first_round || match.round < *first_round)) first_round = match.round;
  }
  if (!first_round) return unnumbered_date_problems(season, file);
  std::optional<CalendarDate> start;
  for (const ExchangeMatch& match : season.matches) {
    if (match.round == *first_round && (!start || match.date < *start)) start = match.date;
  }
  std::vector<Diagnostic> problems;
  for (const ExchangeMatch& match : season.matches) {
    if (match.round > *first_round && match.date < *start) {
      std::string what = match.round_label;
      what += " dated ";
      what += iso_date(match.date);
      what += ", before the first round begins on ";
      what += iso_date(*start);
      what += " (a wrong year?)";
      problems.push_back({std::string(file), match.line, std::move(what)});
    }
  }
  return problems;
}

}  // namespace league::exchange
