#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "league/season/fixtures_file.h"

namespace league {

// How a season's fixtures are drawn: what `league fixtures` is given.
struct DrawSettings {
  bool double_round = false;                     // every pair twice, once at each ground
  std::uint32_t seed = 0;                        // which team takes which place of the schedule
  std::optional<Date> start;                     // the date of round 1; none: undated rounds
  int every_days = 7;                            // days from one round's date to the next
  std::optional<TimeOfDay> time = std::nullopt;  // every round's kick-off; only with a start date
};

// A round-robin of `teams` (distinct names; fewer than two give no rounds):
// every pair meets once, n-1 rounds for an even number n of teams and n for an
// odd one, where each team has one bye. Home and away alternate as far as they
// can: each team's home and away counts differ by at most one, and there are
// n-2 breaks (a team at home, or away, twice running; byes skipped) for even n,
// none for odd n. With double_round a second half follows with every match
// reversed, in an order that keeps a team from three home or three away
// matches running and from meeting the same side in two rounds running; then
// home and away counts are equal, and there are at most 2n-2 breaks for even
// n and 2 for odd n.
// The seed decides only which team takes which place: the same seed and the
// same teams, in any order, draw the same fixtures on every platform. Rounds
// are numbered from 1 and, with a start date, dated start + (k-1)*every_days,
// each at `time` when one is given.
// No fixtures but the problem for a repeated team name (or more teams than a
// draw can place), or when a round's date would fall past the year 9999.
struct Draw {
  enum class Problem { kNone, kTeamTwice, kPastYear9999 };
  Fixtures fixtures;
  Problem problem = Problem::kNone;
};
Draw draw_fixtures(const std::vector<std::string>& teams, const DrawSettings& settings);

// The comment that heads a drawn fixtures.txt: the seed and the command that
// draws the same file again (for the same teams).
std::string draw_comment(const DrawSettings& settings);

// A seed for a draw that is given none: a fresh one from the system's
// random source each time.
std::uint32_t fresh_seed();

}  // namespace league
