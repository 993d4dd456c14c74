#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"

namespace league {

// A day of the proleptic Gregorian calendar, years 1 to 9999.
struct Date {
  int year = 1;
  int month = 1;
  int day = 1;
  friend auto operator<=>(const Date&, const Date&) = default;
};

// "YYYY-MM-DD" exactly, and a day that exists: 2027-02-30 is no date.
std::optional<Date> parse_date(std::string_view text);
std::string format_date(const Date& date);

// Days since 1970-01-01 (negative before it), and back.
std::int64_t days_since_epoch(const Date& date);
// The date `days` days after 1970-01-01; nothing outside years 1 to 9999.
std::optional<Date> date_from_days(std::int64_t days);

// A time of day on the league's clock, 00:00 to 23:59.
struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  friend auto operator<=>(const TimeOfDay&, const TimeOfDay&) = default;
};

// "HH:MM" exactly, two digits each.
std::optional<TimeOfDay> parse_time(std::string_view text);
std::string format_time(const TimeOfDay& time);

// One `HOME - AWAY` line of fixtures.txt.
struct FixtureMatch {
  std::string home;
  std::string away;
  std::size_t line = 0;  // 0 for a match not read from a file
};

// A `Round N [YYYY-MM-DD [HH:MM]]` line and the matches below it. The teams
// of the table that have no match in it have a bye.
struct FixtureRound {
  int number = 0;
  std::optional<Date> date;
  std::optional<TimeOfDay> time;  // only with a date
  std::vector<FixtureMatch> matches;
  std::size_t line = 0;  // of the Round line; 0 when not read from a file
};

struct Fixtures {
  std::vector<FixtureRound> rounds;
};

struct FixturesReading {
  Fixtures fixtures;
  std::vector<Diagnostic> diagnostics;  // lines that do not read, in file order
};

// Reads fixtures.txt: lines whose first non-blank character is '#' and blank
// lines are skipped; every other line is a Round line (the word in any letter
// case) or a HOME - AWAY line (white space between the words, any amount).
// A line that does not read gives a diagnostic and is otherwise left out,
// except a Round line whose date or time does not read: its round is kept
// without them. A Round line whose number does not read opens a round
// numbered one past the one before, so that its matches are still read (and
// checked) in their round.
FixturesReading read_fixtures(std::string_view text);

// What `league check` finds wrong in fixtures that read: a team not in
// `table_teams` (with the near match when there is one), a team against
// itself, a team twice in a round, the same HOME - AWAY twice in the file, and
// rounds out of order (they run 1, 2, 3, ...). In file order.
std::vector<Diagnostic> check_fixtures(const Fixtures& fixtures,
                                       const std::vector<std::string>& table_teams);

// Every problem of fixtures.txt as read, in line order: the lines that do not
// read and, when `table_teams` are given, what check_fixtures finds against
// them (an unknown team, a team twice in a round or against itself, a pairing
// twice, rounds out of order).
std::vector<Diagnostic> fixtures_file_problems(const FixturesReading& reading,
                                               const std::vector<std::string>* table_teams);

// The text of fixtures.txt: `comment` first, every line of it as a '#' line
// (none when empty), then every round, a blank line before each. Reads back
// with read_fixtures to the same rounds and matches.
std::string format_fixtures(const Fixtures& fixtures, std::string_view comment = {});

}  // namespace league
