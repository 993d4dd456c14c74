#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"

namespace league::exchange {

// A day of the proleptic Gregorian calendar.
struct CalendarDate {
  int y = 1;
  int m = 1;
  int d = 1;
  friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

// True when the day exists: 2023-02-29 does not.
bool is_valid_date(const CalendarDate& date);
// Days since 1970-01-01, negative before it.
std::int64_t day_number(const CalendarDate& date);
// 0 = Monday ... 6 = Sunday.
int weekday(const CalendarDate& date);
// "YYYY-MM-DD"; parse_iso_date takes exactly that and a day that exists.
std::string iso_date(const CalendarDate& date);
std::optional<CalendarDate> parse_iso_date(std::string_view text);

struct ClockTime {
  int hour = 0;
  int minute = 0;
  friend auto operator<=>(const ClockTime&, const ClockTime&) = default;
};

// "HH:MM"; parse_clock_time takes H:MM, HH:MM, H.MM or HH.MM within a day.
std::string clock_time(const ClockTime& time);
std::optional<ClockTime> parse_clock_time(std::string_view text);

struct Score {
  int home = 0;
  int away = 0;
  friend bool operator==(const Score&, const Score&) = default;
};

// Played: a full-time result that counts. Unplayed: a fixture still to come.
// Postponed: put off, no result. Awarded: a result given rather than played,
// and it counts. Abandoned: stopped; a score, if any, is where it stopped.
enum class MatchStatus { played, unplayed, postponed, awarded, abandoned };

std::string_view status_name(MatchStatus status);  // "played", "unplayed", ...

struct ExchangeMatch {
  std::string round_label;  // as the file gives it ("Matchday 18"); empty when none
  int round = 0;            // the number in the label; 0 when unknown
  CalendarDate date;
  std::optional<ClockTime> time;
  std::string home;  // names as written
  std::string away;
  std::optional<Score> full_time;
  std::optional<Score> half_time;
  MatchStatus status = MatchStatus::unplayed;
  std::size_t line = 0;  // where the match is in its file, from 1
  friend bool operator==(const ExchangeMatch&, const ExchangeMatch&) = default;
};

struct ExchangeSeason {
  std::string name;
  std::vector<ExchangeMatch> matches;  // in file order
};

// What a reader gives: the season, or, when problems is not empty, the
// "FILE:LINE: what" of everything wrong with the file (the season is then
// incomplete and must not be used).
struct SeasonReading {
  ExchangeSeason season;
  std::vector<Diagnostic> problems;
  bool ok() const { return problems.empty(); }
};

// The number a round label carries: the first run of digits ("Matchday 18" gives
// 18); 0 when it has none.
int round_number(std::string_view label);

// What is wrong with a match as read, whatever its file's shape: a name
// missing, a team against itself, a status its scores contradict (a played or
// awarded match needs a full-time score, an unplayed or postponed one has
// none), a half-time score without a full-time one, a negative goal count.
// Nothing when it is sound.
std::optional<std::string> match_problem(const ExchangeMatch& match);

// The status a match's scores imply when its file names none.
inline MatchStatus implied_status(const ExchangeMatch& match) {
  return match.full_time ? MatchStatus::played : MatchStatus::unplayed;
}

// The text with ASCII capitals made small, for names matched case aside.
std::string ascii_lower(std::string_view text);

// The status of a name as status_name gives it; nothing for another word.
std::optional<MatchStatus> parse_status(std::string_view name);

}  // namespace league::exchange
