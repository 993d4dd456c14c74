#include "league/season/round_check.h"

#include <gtest/gtest.h>

#include "common/text/near_match.h"

namespace league {
namespace {

const std::vector<std::string> kTeams{"Ashford", "Fenwick", "Kestrel", "Kes", "Elmfield"};

std::vector<std::string> described(const std::vector<Diagnostic>& problems) {
  std::vector<std::string> lines;
  for (const Diagnostic& problem : problems) lines.push_back(describe(problem));
  return lines;
}

RoundCheck check_round(std::string_view text, const std::vector<std::string>& teams) {
  return league::check_round(read_results(text), teams);
}

TEST(NearMatchTest, LetterCaseOrAFewEditsAwayElseNothing) {
  EXPECT_EQ(near_match("kestrel", kTeams), "Kestrel");
  EXPECT_EQ(near_match("Kestral", kTeams), "Kestrel");
  EXPECT_EQ(near_match("Fenwik", kTeams), "Fenwick");
  EXPECT_EQ(near_match("Elmfeild", kTeams), "Elmfield");
  EXPECT_EQ(near_match("Kex", kTeams), "Kes") << "short names allow one edit";
  EXPECT_EQ(near_match("Kxx", kTeams), std::nullopt);
  EXPECT_EQ(near_match("Harwood", kTeams), std::nullopt);
  EXPECT_EQ(near_match("Kestrel", kTeams), std::nullopt);
  // Accents typed without them, or the other way round.
  const std::vector<std::string> accented{"FC_Ölüdeniz", "Çeşme_FC", "Łódź"};
  EXPECT_EQ(near_match("FC_Oludeniz", accented), "FC_Ölüdeniz");
  EXPECT_EQ(near_match("Cesme_FX", accented), "Çeşme_FC");
  EXPECT_EQ(near_match("lodz", accented), "Łódź");
}

TEST(RoundCheckTest, ACleanRoundHasNoProblems) {
  const RoundCheck check =
      check_round("Ashford 2 - 3 Fenwick\r\nKestrel\n1 v 1\nElmfield\n", kTeams);
  EXPECT_EQ(check.results, 2u);
  EXPECT_TRUE(check.problems.empty());
  EXPECT_TRUE(check.notes.empty());
}

TEST(RoundCheckTest, ListsEveryProblemWithItsLine) {
  const RoundCheck check = check_round(
      "Ashford 2 - 3 Kestral\n"
      "\n"
      "Fenwick 2-1 Kestrel\n"
      "Kestrel 1 - 1 Kestrel\n"
      "Elmfield -1 - 0 Ashford\n"
      "Ashford 1 x 2 Fenwick\n"
      "Elmfield 1 -",
      kTeams);
  EXPECT_EQ(check.results, 6u);
  EXPECT_EQ(described(check.problems),
            (std::vector<std::string>{
                "results.txt:1: Kestral is not a team of table.txt; did you mean Kestrel?",
                "results.txt:3: \"Fenwick 2-1 Kestrel\" is not a result: home team, goals, "
                "a separator, goals, away team (as in Ashford 2 - 1 Fenwick)",
                "results.txt:4: Kestrel plays itself", "results.txt:5: negative goals",
                "results.txt:7: \"Elmfield 1 -\" is not a result: home team, goals, "
                "a separator, goals, away team (as in Ashford 2 - 1 Fenwick)"}));
  EXPECT_EQ(described(check.notes),
            (std::vector<std::string>{
                "results.txt:5: Ashford has another result in this round (first on line 1)",
                "results.txt:6: Ashford has another result in this round (first on line 1)"}));
}

}  // namespace
}  // namespace league
