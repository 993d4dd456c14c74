#include "league/check/check_league_dat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace league {
namespace {

// The lines that check_league_dat finds fault with, as "LINE: text".
std::vector<std::string> faults(std::string_view text) {
  CheckReport report;
  check_league_dat(text, report);
  std::vector<std::string> lines;
  for (const CheckFinding& finding : report.findings()) {
    lines.push_back(std::to_string(finding.diagnostic.line) + ": " + finding.diagnostic.what);
  }
  return lines;
}

TEST(CheckLeagueDat, EqualsSignWithoutABlankOnEitherSide) {
  const std::string fix = " is no setting; write it as key = value, with a blank on each side of =";
  EXPECT_EQ(faults("Comment line\nFitness =1\nMinutes= 1\nfit_zep == 60\n"),
            (std::vector<std::string>{"2: \"Fitness =1\"" + fix, "3: \"Minutes= 1\"" + fix,
                                      "4: \"fit_zep == 60\"" + fix}));
}

TEST(CheckLeagueDat, ASettingWithoutEqualsSign) {
  const std::string fix = " is no setting; write it as key = value, with a blank on each side of =";
  EXPECT_EQ(
      faults("Attendances_Pack: 1\nFitness 1\n"),
      (std::vector<std::string>{"1: \"Attendances_Pack: 1\"" + fix, "2: \"Fitness 1\"" + fix}));
}

TEST(CheckLeagueDat, ProseAndOtherProgramsKeysAreLeftAlone) {
  EXPECT_EQ(faults("Fitness decides whether rosters carry Fit\n"
                   "Seed=42\n"
                   "Fitness_Bonus = 3\n"
                   "FITNESS = 1\n"
                   "Fit_ZEP = -5\n"),
            std::vector<std::string>{});
}

}  // namespace
}  // namespace league
