#include "league/publish/standings_after.h"

#include <gtest/gtest.h>

namespace league {
namespace {

AppliedMatch played(int entry, const std::string& home, const std::string& away) {
  return {entry, home, away, {1, 0}};
}

// Four teams, two matches a round. Entry 1 plays round 1; entry 2 half of
// round 2, which makes it current; entry 3 the rest of round 2 and round 3;
// entry 4 half of round 4.
TEST(EntryEndingRound, TheLastEntryWhileTheRoundWasCurrentOrARefusal) {
  const Fixtures fixtures =
      read_fixtures(
          "Round 1\nA - B\nC - D\nRound 2\nA - C\nB - D\nRound 3\nA - D\nB - C\n"
          "Round 4\nB - A\nD - C\n")
          .fixtures;
  const std::vector<AppliedMatch> applied{
      played(1, "A", "B"), played(1, "C", "D"), played(2, "A", "C"), played(3, "B", "D"),
      played(3, "A", "D"), played(3, "B", "C"), played(4, "B", "A")};
  const std::vector<int> recorded{1, 2, 3, 4};
  const auto entry = [&](int n) { return entry_ending_round(n, recorded, applied, fixtures); };
  EXPECT_EQ(entry(1).entry, 1);
  EXPECT_EQ(entry(2).entry, 2);
  EXPECT_EQ(entry(3).entry, 3);
  EXPECT_EQ(entry(4).entry, 4);  // half of round 4 makes it current
  EXPECT_EQ(entry(5).refused, "no round 5 to show: the rounds complete so far are 1 to 4");

  // Rounds 2 and 3 entered together: round 2 never stood as the current round.
  const std::vector<AppliedMatch> together{played(1, "A", "B"), played(1, "C", "D"),
                                           played(2, "A", "C"), played(2, "B", "D"),
                                           played(2, "A", "D"), played(2, "B", "C")};
  const RoundEnd skipped = entry_ending_round(2, {1, 2}, together, fixtures);
  EXPECT_EQ(skipped.entry, 0);
  EXPECT_EQ(skipped.refused,
            "round 2 was never the current round on its own: its results were entered with "
            "the next round's");
  // Without fixtures.txt, history/'s own rounds.
  EXPECT_EQ(entry_ending_round(2, {1, 2}, together, std::nullopt).entry, 2);
  EXPECT_EQ(entry_ending_round(0, {1, 2}, together, std::nullopt).refused,
            "no round 0 to show: the rounds complete so far are 1 to 2");
}

}  // namespace
}  // namespace league
