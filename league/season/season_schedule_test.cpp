#include "league/season/season_schedule.h"

#include <gtest/gtest.h>

#include "league/season/round_fixtures.h"

namespace league {
namespace {

// Four rounds of six teams, three matches a round.
const char* const kFixtures =
    "Round 1 2026-08-08\nAsh - Bure\nCam - Dee\nEden - Frome\n"
    "Round 2 2026-08-15\nBure - Cam\nDee - Eden\nFrome - Ash\n"
    "Round 3\nAsh - Dee\nCam - Frome\nEden - Bure\n"
    "Round 4 2026-08-29 15:00\nDee - Bure\nFrome - Cam\nAsh - Eden\n";

const std::vector<std::string> kTeams{"Ash", "Bure", "Cam", "Dee", "Eden", "Frome"};

Fixtures fixtures() {
  return read_fixtures(kFixtures).fixtures;
}

std::vector<std::string> pairings(const std::vector<FixtureState>& fixtures) {
  std::vector<std::string> list;
  for (const FixtureState& fixture : fixtures)
    list.push_back(pairing_text(fixture.home(), fixture.away()) + " " +
                   std::to_string(fixture.round()));
  return list;
}

std::vector<std::string> described(const std::vector<Diagnostic>& diagnostics) {
  std::vector<std::string> lines;
  for (const Diagnostic& diagnostic : diagnostics) lines.push_back(describe(diagnostic));
  return lines;
}

TEST(SeasonScheduleTest, CurrentRoundNeedsHalfItsFixturesSoOneMatchBroughtForwardMovesNothing) {
  const Fixtures ash_to_frome = fixtures();
  const SeasonSchedule fresh = season_schedule(ash_to_frome, {});
  EXPECT_EQ(fresh.current_round, 0);
  EXPECT_TRUE(fresh.postponed.empty());
  EXPECT_EQ(pairings(fresh.next),
            (std::vector<std::string>{"Ash - Bure 1", "Cam - Dee 1", "Eden - Frome 1"}));

  // Round 1 played but for Cam - Dee; Ash - Dee of round 3 brought forward;
  // one match of round 2 (a third: not yet half) and one that is no fixture.
  const std::vector<AppliedMatch> applied{{1, "Ash", "Bure", {2, 1}},
                                          {1, "Eden", "Frome", {0, 0}},
                                          {1, "Ash", "Dee", {1, 3}},
                                          {2, "Bure", "Cam", {1, 1}},
                                          {2, "Cam", "Bure", {4, 0}}};
  const SeasonSchedule schedule = season_schedule(ash_to_frome, applied);
  EXPECT_EQ(schedule.current_round, 1);
  EXPECT_EQ(pairings(schedule.postponed), (std::vector<std::string>{"Cam - Dee 1"}));
  EXPECT_EQ(schedule.next_round, 2);
  EXPECT_EQ(pairings(schedule.next), (std::vector<std::string>{"Dee - Eden 2", "Frome - Ash 2"}));
  const FixtureState* played = schedule.find("Ash", "Dee");
  ASSERT_NE(played, nullptr);
  ASSERT_TRUE(played->played);
  EXPECT_EQ(played->played->round, 1);
  EXPECT_EQ(played->played->score.away, 3);
  EXPECT_FALSE(schedule.find("Dee", "Ash"));

  // Half of round 2 (two of three) makes it current: its third is postponed.
  std::vector<AppliedMatch> more = applied;
  more.push_back({3, "Dee", "Eden", {1, 0}});
  const SeasonSchedule later = season_schedule(ash_to_frome, more);
  EXPECT_EQ(later.current_round, 2);
  EXPECT_EQ(pairings(later.postponed), (std::vector<std::string>{"Cam - Dee 1", "Frome - Ash 2"}));
  EXPECT_EQ(pairings(later.next), (std::vector<std::string>{"Cam - Frome 3", "Eden - Bure 3"}));
  EXPECT_FALSE(later.next.front().date());
  // The current round after each entry, from the one schedule of them all, as
  // the schedules of the entries up to each give it.
  EXPECT_EQ(current_rounds_after(later, {1, 2, 3}), (std::vector<int>{1, 1, 2}));
}

TEST(SeasonScheduleTest, NextIsTheFirstLaterRoundWithAFixtureToPlaySoEmptyRoundsArePassedOver) {
  // Round 2 is empty, round 4 holds only a void match.
  const Fixtures gaps = read_fixtures(
                            "Round 1\nAsh - Bure\nCam - Dee\nEden - Frome\nRound 2\n"
                            "Round 3\nBure - Cam\nDee - Eden\nFrome - Ash\n"
                            "Round 4\nAsh - Dee (void)\nRound 5\nBure - Eden\nCam - Frome\n")
                            .fixtures;
  const std::vector<AppliedMatch> first{
      {1, "Ash", "Bure", {1, 0}}, {1, "Cam", "Dee", {2, 2}}, {1, "Eden", "Frome", {0, 3}}};
  const SeasonSchedule schedule = season_schedule(gaps, first);
  EXPECT_EQ(schedule.current_round, 1);
  EXPECT_EQ(schedule.next_round, 3);
  EXPECT_EQ(pairings(schedule.next),
            (std::vector<std::string>{"Bure - Cam 3", "Dee - Eden 3", "Frome - Ash 3"}));

  // One match of round 3 is a result of the round being played, not one
  // brought forward.
  const std::vector<ResultsEntry> one = read_results("Bure 1 - 1 Cam\n");
  RoundCheck check = check_round(one, kTeams);
  check_round_fixtures(one, {gaps, first}, 2, kTeams, check);
  EXPECT_TRUE(check.problems.empty());
  EXPECT_TRUE(check.notes.empty());

  std::vector<AppliedMatch> third = first;
  for (const FixtureState& fixture : schedule.next)
    third.push_back({2, fixture.home(), fixture.away(), {0, 0}});
  const SeasonSchedule later = season_schedule(gaps, third);
  EXPECT_EQ(later.current_round, 3);
  EXPECT_EQ(later.next_round, 5);
  EXPECT_EQ(pairings(later.next), (std::vector<std::string>{"Bure - Eden 5", "Cam - Frome 5"}));
  // league round reads the schedule before its round from the one after it.
  EXPECT_EQ(next_round_before(later, 2), schedule.next_round);
}

TEST(SeasonScheduleTest, AFixtureIsPostponedOnlyOnceItsDayHasPassedOrItWasMarkedSo) {
  const Fixtures dated = read_fixtures(
                             "Round 1 2027-02-13 14:30\nAsh - Bure\nCam - Dee 2027-02-15\n"
                             "Eden - Frome\n"
                             "Round 2 2027-02-20 14:30\nBure - Cam\nDee - Eden postponed\n"
                             "Frome - Ash\n"
                             "Round 3 2027-02-27 14:30\nAsh - Dee 2027-02-17 19:45\nCam - Frome\n"
                             "Eden - Bure\n")
                             .fixtures;
  const std::vector<AppliedMatch> applied{{1, "Ash", "Bure", {2, 1}}, {1, "Eden", "Frome", {0, 0}}};
  // On the Sunday, Monday's game of round 1 is still to play; the one marked
  // postponed is postponed; the midweek match brought forward from round 3
  // comes after round 2's.
  const SeasonSchedule sunday = season_schedule(dated, applied, Date{2027, 2, 14});
  EXPECT_EQ(sunday.current_round, 1);
  EXPECT_EQ(pairings(sunday.postponed), (std::vector<std::string>{"Dee - Eden 2"}));
  EXPECT_EQ(pairings(sunday.next), (std::vector<std::string>{"Bure - Cam 2", "Frome - Ash 2",
                                                             "Cam - Dee 1", "Ash - Dee 3"}));
  EXPECT_EQ(sunday.next[2].date(), (Date{2027, 2, 15}));
  EXPECT_EQ(sunday.next[3].time(), (TimeOfDay{19, 45}));
  EXPECT_EQ(rescheduling_word(sunday.next[3].rescheduling()), "rearranged");
  EXPECT_EQ(rescheduling_word(sunday.postponed[0].rescheduling()), "postponed");
  // Once their days have passed without a result, they are postponed too.
  const SeasonSchedule later = season_schedule(dated, applied, Date{2027, 2, 18});
  EXPECT_EQ(pairings(later.postponed),
            (std::vector<std::string>{"Cam - Dee 1", "Dee - Eden 2", "Ash - Dee 3"}));
}

TEST(SeasonScheduleTest, ARoundRefusesPlayedMatchesAndNoFixturesAndNotesTheRoundsOutOfStep) {
  const RoundFixtures season{fixtures(),
                             {{1, "Ash", "Bure", {2, 1}},
                              {1, "Cam", "Dee", {0, 0}},
                              {1, "Eden", "Frome", {3, 2}},
                              {2, "Bure", "Cam", {1, 1}}}};
  const std::string text =
      "Ash 1 - 1 Bure\n"      // played in round 1
      "Bure 0 - 0 Ash\n"      // no fixture, and the reverse was played
      "Cam 1 - 0 Bure\n"      // no fixture; the reverse was played
      "Ash 2 - 0 Frome\n"     // the reverse is still to play
      "Dee 1 - 0 Eden\n"      // round 2, the round being played
      "Dee 1 - 0 Eden\n"      // twice in the file
      "Ash 0 - 0 Eden\n"      // round 4: brought forward
      "Kestral 1 - 0 Ash\n";  // check_round's own problem, not looked at again
  const std::vector<ResultsEntry> results = read_results(text);
  RoundCheck check = check_round(results, kTeams);
  check_round_fixtures(results, season, 3, kTeams, check);
  EXPECT_EQ(
      described(check.problems),
      (std::vector<std::string>{
          "results.txt:1: Ash - Bure was played in round 1, 2 - 1",
          "results.txt:2: Bure - Ash is no fixture of fixtures.txt; Ash - Bure was played in "
          "round 1, 2 - 1",
          "results.txt:3: Cam - Bure is no fixture of fixtures.txt; Bure - Cam was played in "
          "round 2, 1 - 1",
          "results.txt:4: Ash - Frome is no fixture of fixtures.txt; did you mean Frome - Ash?",
          "results.txt:6: Dee - Eden is already on line 5",
          "results.txt:8: Kestral is not a team of table.txt"}));
  EXPECT_EQ(described(check.notes),
            (std::vector<std::string>{"results.txt:7: Ash - Eden: brought forward from round 4"}));

  // Round 1's last match with round 2 moves the current round to 2: it is
  // postponed, and a team's second match is no note of its own.
  const std::vector<ResultsEntry> catch_up =
      read_results("Frome 1 - 1 Ash\nDee 2 - 2 Eden\nCam 0 - 1 Dee\n");
  const RoundFixtures before_it{fixtures(),
                                {{1, "Ash", "Bure", {2, 1}}, {1, "Eden", "Frome", {3, 2}}}};
  RoundCheck caught = check_round(catch_up, kTeams);
  ASSERT_FALSE(caught.notes.empty());
  check_round_fixtures(catch_up, before_it, 2, kTeams, caught);
  EXPECT_TRUE(caught.problems.empty());
  EXPECT_EQ(described(caught.notes),
            (std::vector<std::string>{"results.txt:3: Cam - Dee: postponed from round 1"}));
  const SeasonSchedule after = schedule_after(catch_up, before_it, 2);
  EXPECT_EQ(after.current_round, 2);
  EXPECT_EQ(still_to_play(after), "Still to play up to round 2: Bure - Cam (round 2).\n");
}

TEST(SeasonScheduleTest, AResultTheWrongWayRoundOfAFixtureDueIsRefusedUnlessBroughtForward) {
  // A double round-robin of four: round 4 reverses round 1.
  const Fixtures fixtures = read_fixtures(
                                "Round 1\nAsh - Bure\nCam - Dee\nRound 2\nBure - Cam\nDee - Ash\n"
                                "Round 3\nAsh - Cam\nBure - Dee\nRound 4\nBure - Ash\nDee - Cam\n")
                                .fixtures;
  const std::vector<std::string> teams{"Ash", "Bure", "Cam", "Dee"};
  RoundFixtures season{fixtures, {{1, "Ash", "Bure", {1, 0}}}};
  const std::vector<ResultsEntry> reversed = read_results("Dee 2 - 1 Cam\n");
  RoundCheck check = check_round(reversed, teams);
  check_round_fixtures(reversed, season, 2, teams, check);
  EXPECT_EQ(described(check.problems),
            (std::vector<std::string>{
                "results.txt:1: Dee - Cam is a fixture of round 4, but Cam - Dee is due (round 1): "
                "is the result the wrong way round? If Dee - Cam really was brought forward: "
                "league round --brought-forward"}));
  season.brought_forward = true;
  RoundCheck let_through = check_round(reversed, teams);
  check_round_fixtures(reversed, season, 2, teams, let_through);
  EXPECT_TRUE(let_through.problems.empty());

  // Named by the rounds of fixtures.txt, whatever history's numbering.
  const SeasonSchedule schedule = season_schedule(fixtures, {});
  EXPECT_EQ(results_heading(matches_of_results(read_results("Bure 0 - 0 Cam\nDee 2 - 1 Cam\n"), 9),
                            schedule, 9),
            "Round 2");
  AppliedMatch awarded{9, "Dee", "Cam", {3, 0}, "Cam fielded no team"};
  EXPECT_EQ(results_heading({awarded}, schedule, 9), "Dee - Cam (round 4, awarded)");
  EXPECT_EQ(results_heading({{9, "Cam", "Ash", {1, 1}, ""}}, schedule, 9), "Round 9");
}

}  // namespace
}  // namespace league
