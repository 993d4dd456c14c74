#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/results/results_file.h"
#include "league/season/fixtures_file.h"
#include "league/season/round_check.h"
#include "league/season/season_schedule.h"

namespace league {

// What `league round` checks a round's results against when the league has
// fixtures.txt.
struct RoundFixtures {
  Fixtures fixtures;
  std::vector<AppliedMatch> applied;  // by the rounds recorded in history/
  bool brought_forward = false;       // a reversed result may be a later fixture played early
};

// Adds to `check` what the fixtures say of the results that round `round` is
// to apply, each with its line of results.txt, problems and notes in line
// order: a match that was played already, a pairing that is no fixture (with
// the reverse one when that is a fixture), a match twice in results.txt; and,
// as notes, a postponed match of an earlier round and one brought forward,
// in place of check_round's notes of a team with two results (a team's
// second match is always a fixture of another round). Results that
// check_round refuses already (an unknown team, a team playing
// itself) are not looked at again.
//
// The round being played is the current round once the results are applied,
// or the schedule's next round when they do not move it; a fixture of
// an earlier round is postponed from it, one of a later round brought forward.
// A result whose pairing is a fixture beyond the next round while its reverse
// is due (in the current or next round, or rescheduled) is a problem naming
// the fixture due, most likely typed the wrong way round, unless the fixtures
// say it was brought_forward.
void check_round_fixtures(const std::vector<ResultsEntry>& results, const RoundFixtures& fixtures,
                          int round, const std::vector<std::string>& teams, RoundCheck& check);

// The same, given schedule_after(results, fixtures, round) as `after`, which
// the round goes on to use; the schedule before the round is read from it.
void check_round_fixtures(const std::vector<ResultsEntry>& results, const RoundFixtures& fixtures,
                          const SeasonSchedule& after, int round,
                          const std::vector<std::string>& teams, RoundCheck& check);

// The schedule once round `round` has applied these results.
SeasonSchedule schedule_after(const std::vector<ResultsEntry>& results,
                              const RoundFixtures& fixtures, int round);

// How people name the results of one history entry, by the rounds of
// fixtures.txt: "Round 7", the round most of them belong to (the earlier one
// of a tie); a lone result "Ashford - Fenwick (round 5, rearranged)", with the
// fixture's rescheduling and "awarded" when it was; "Round N" by the entry's
// own number `entry` when none is a fixture.
std::string results_heading(const std::vector<AppliedMatch>& matches,
                            const SeasonSchedule& schedule, int entry);

// The line that ends a round: the fixtures still to play up to the current
// round, or that there are none; nothing before the first round is half played.
std::string still_to_play(const SeasonSchedule& schedule);

}  // namespace league
