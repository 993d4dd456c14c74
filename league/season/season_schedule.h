#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/io/diagnostic.h"
#include "common/results/results_file.h"
#include "league/season/fixtures_file.h"

namespace league {

// Where the season stands against its fixtures. `league round`, `status` and
// `publish` all take played, current, postponed and next from here.
//
// A fixture is played once a recorded round of history/ applied its HOME -
// AWAY. The current round is the highest fixtures round with at least half of
// its fixtures played (0 before any), so that a match brought forward alone
// does not move it; postponed are the fixtures without a result in the rounds
// up to the current round, next those of the next round: the first later
// round with a fixture still to play, so that an empty round is passed over.
// A void fixture (a withdrawn club's) is none of these and does not count
// towards a round's half.

// The goals of a match that has been played.
struct Score {
  int home = 0;
  int away = 0;
};

// One match that `league round` applied, as history/<n>/results.txt holds it.
struct AppliedMatch {
  int round = 0;  // n: the round of history/ that applied it
  std::string home;
  std::string away;
  Score score;
  std::string awarded{};  // a committee's result: its reason; empty for a match played
};

// The results of one results.txt as round `round` applies them; those that
// do not read are left out.
std::vector<AppliedMatch> matches_of_results(const std::vector<ResultsEntry>& results, int round);

// What fixtures.txt says of a match's day: its round's, moved to a day of
// its own (rearranged), or put off without a new one (postponed).
enum class Rescheduling { kNone, kPostponed, kRearranged };

// A fixture and, once played, where and how: a view of its line and its
// round in the Fixtures the schedule was made from, which must outlive it. A
// season of 2,000 teams has two million fixtures, so a state holds no copy of
// their names.
class FixtureState {
 public:
  FixtureState(const FixtureRound& round, const FixtureMatch& match)
      : round_(&round), match_(&match) {}

  int round() const { return round_->number; }  // its round in fixtures.txt
  const std::string& home() const { return match_->home; }
  const std::string& away() const { return match_->away; }
  std::size_t line() const { return match_->line; }           // of fixtures.txt
  const std::string& venue() const { return match_->venue; }  // empty: the home ground
  bool is_void() const { return match_->is_void; }            // a withdrawn club's
  Rescheduling rescheduling() const;
  std::optional<Date> date() const;       // its own when it has one, else its round's
  std::optional<TimeOfDay> time() const;  // likewise

  // The applied match that played it, held by the schedule (SeasonSchedule::
  // results); nothing when it has no result.
  const AppliedMatch* played = nullptr;

 private:
  const FixtureRound* round_;
  const FixtureMatch* match_;
};

// "postponed", "rearranged", or nothing for a fixture on its round's day.
std::string_view rescheduling_word(Rescheduling rescheduling);

struct SeasonSchedule {
  std::vector<FixtureState> fixtures;  // in the order of fixtures.txt
  int current_round = 0;
  std::vector<FixtureState> postponed;  // in round order, then fixtures.txt's
  int next_round = 1;  // the first later round with a fixture to play, else current_round + 1
  std::vector<FixtureState> next;

  // The fixture HOME - AWAY, nothing when there is none (fixtures that read
  // without a problem hold each pairing once).
  const FixtureState* find(std::string_view home, std::string_view away) const;

  // The applied matches that `played` points to, shared by the schedule's copies.
  std::shared_ptr<const std::vector<AppliedMatch>> results;

  // The index that find() uses: each team of the fixtures numbered, and each
  // fixture's pairing of two numbers (HOME in the high half) with its place
  // in `fixtures`, sorted: a repeated pairing's fixtures side by side, in
  // file order.
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const {
      return std::hash<std::string_view>()(name);
    }
  };
  std::unordered_map<std::string, std::uint32_t, NameHash, std::equal_to<>> team_numbers;
  std::vector<std::pair<std::uint64_t, std::size_t>> by_pairing;
  // Where HOME - AWAY's fixtures start in `by_pairing`; by_pairing.end() when it has none.
  std::vector<std::pair<std::uint64_t, std::size_t>>::const_iterator pairing_at(
      std::string_view home, std::string_view away) const;
};

// The schedule views `fixtures` (see FixtureState), which must outlive it.
// Matches every applied match to the first fixture of its HOME - AWAY that
// has no result yet (a pairing comes once in a season, so that is the one);
// applied matches that are no fixture count for none.
//
// Postponed are the fixtures without a result that were marked postponed,
// those of the rounds up to the current round whose date has passed by
// `today` (or that have no date, or when no day is given), and rearranged
// ones whose new date has passed. Next are the other fixtures without a
// result up to the next round, and rearranged ones due by its date, in the
// order of their days.
SeasonSchedule season_schedule(const Fixtures& fixtures, const std::vector<AppliedMatch>& applied,
                               std::optional<Date> today = std::nullopt);
// The schedule views the fixtures it is made from: never from a temporary.
SeasonSchedule season_schedule(Fixtures&&, const std::vector<AppliedMatch>&,
                               std::optional<Date> = std::nullopt) = delete;

// The schedule's next round as it stood before history entry `entry`: with
// the matches of the entries before it.
int next_round_before(const SeasonSchedule& schedule, int entry);

// The current round as it stood after each of `entries` (history entries in
// ascending order): what season_schedule gives with the applied matches of
// the entries up to it, found for all of them in one pass over `schedule`,
// made with the matches of every entry.
std::vector<int> current_rounds_after(const SeasonSchedule& schedule,
                                      const std::vector<int>& entries);

// What `league status` and `league publish` show beside the table.
// It moves but is not copied: its schedule views its fixtures, and a copy's
// would view the original's.
struct Matchdays {
  Matchdays() = default;
  Matchdays(Matchdays&&) = default;
  Matchdays& operator=(Matchdays&&) = default;

  int last_round = 0;                 // the last round in history/, 0 before the first
  std::vector<AppliedMatch> results;  // its matches
  std::optional<Fixtures> fixtures;   // fixtures.txt; nothing without one
  SeasonSchedule schedule;            // empty without fixtures.txt
};

// The matchdays of a season whose last recorded round is `last_round`, from
// the matches of every recorded round and fixtures.txt.
Matchdays matchdays_of(const std::vector<AppliedMatch>& applied, int last_round,
                       std::optional<Fixtures> fixtures, std::optional<Date> today = std::nullopt);

// The day of the latest result by the fixtures' dates: the latest date of a
// played fixture up to the current round or rearranged (one brought forward
// without a day of its own has none to give); nothing when none has one.
std::optional<Date> latest_result_date(const SeasonSchedule& schedule);

// "Ashford - Fenwick", "Ashford 2 - 3 Fenwick": as messages and status show them.
std::string pairing_text(std::string_view home, std::string_view away);
std::string result_text(const AppliedMatch& match);

}  // namespace league
