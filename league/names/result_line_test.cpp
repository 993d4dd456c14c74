#include "league/names/result_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/results/results_file.h"
#include "league/names/test_clubs.h"

namespace league {
namespace {

using Problems = std::vector<std::string>;

TEST(ResultLineTest, EveryTypedFormGivesTheToolsForm) {
  const TeamNames teams(twenty_clubs());
  for (const char* line : {"St Mary's 3-1 Bridge Inn FC", "St Mary's 3 - 1 Bridge Inn FC",
                           "St_Mary's 3:1 Bridge_Inn_FC", "St_Mary's 3 - 1 Bridge_Inn_FC",
                           "  St Mary's\t3 v 1  Bridge Inn FC\r", "St Mary's 3 -1 Bridge Inn FC",
                           "St Mary's 3- 1 Bridge Inn FC", "St Mary's 03\u20131 Bridge Inn FC"}) {
    const ResultLineReading reading = read_result_line(line, teams);
    EXPECT_EQ(reading.problems, Problems{}) << line;
    EXPECT_EQ(reading.result, (ResultLine{0, 1, 3, 1})) << line;
    EXPECT_EQ(reading.tools_form, "St_Mary's 3 - 1 Bridge_Inn_FC") << line;
  }
}

TEST(ResultLineTest, TheToolsReadTheSameResultFromTheToolsForm) {
  const TeamNames teams(twenty_clubs());
  const ResultLineReading reading =
      read_result_line("Brighton & Hove Albion FC 10-0 Atl\u00e9tico Ryde", teams);
  ASSERT_TRUE(reading.result);
  const std::vector<ResultsEntry> read = read_results(reading.tools_form);
  ASSERT_EQ(read.size(), 1u);
  ASSERT_TRUE(read[0].result);
  const auto& [home, away] = read[0].result->sides;
  EXPECT_EQ(home.team, teams.stored(3));
  EXPECT_EQ(home.goals, 10);
  EXPECT_EQ(away.team, teams.stored(4));
  EXPECT_EQ(away.goals, 0);
}

TEST(ResultLineTest, NamesWithDigitsReadAgainstTheTeams) {
  const TeamNames teams(twenty_clubs());
  EXPECT_EQ(read_result_line("1874 Northwich 2-0 Tower Hamlets 2", teams).tools_form,
            "1874_Northwich 2 - 0 Tower_Hamlets_2");
  EXPECT_EQ(read_result_line("Tower Hamlets 2 1 - 0 Tower Hamlets", teams).tools_form,
            "Tower_Hamlets_2 1 - 0 Tower_Hamlets");
  EXPECT_EQ(read_result_line("Tower Hamlets 2 2 1874 Northwich", teams).problems,
            Problems{"\"2\" is not a score: goals, a dash, goals (as in 2-1 or 2 - 1)"});
  // A number is no separator: the goals run into the name before them.
  EXPECT_EQ(read_result_line("Tower Hamlets 2 3 1 Marsh Lane", teams).problems,
            Problems{"\"3 1\" is not a score: goals, a dash, goals (as in 2-1 or 2 - 1)"});
}

TEST(ResultLineTest, ALineThatReadsTwoWaysNamesTheReadings) {
  const TeamNames teams({"Tower Hamlets", "Tower Hamlets 2", "Northwich", "1874 Northwich"});
  const ResultLineReading reading = read_result_line("Tower Hamlets 2 3-0 1874 Northwich", teams);
  EXPECT_FALSE(reading.result);
  EXPECT_EQ(reading.problems,
            Problems{"the line reads more than one way, as \"Tower Hamlets\" 2-1874 \"Northwich\" "
                     "or \"Tower Hamlets 2\" 3-0 \"1874 Northwich\"; write the names with _ for "
                     "their blanks to tell them apart"});
  EXPECT_EQ(read_result_line("Tower_Hamlets_2 3-0 1874_Northwich", teams).tools_form,
            "Tower_Hamlets_2 3 - 0 1874_Northwich");
}

TEST(ResultLineTest, EveryProblemOfALineAtOnce) {
  const TeamNames teams(twenty_clubs());
  const struct {
    const char* line;
    Problems problems;
  } cases[] = {
      {"St Marys 3-x Brige Inn FC",
       {"St Marys is not a team of table.txt; did you mean St Mary's?",
        "\"3-x\" is not a score: goals, a dash, goals (as in 2-1 or 2 - 1)",
        "Brige Inn FC is not a team of table.txt; did you mean Bridge Inn FC?"}},
      {"Wheatsheaf 2-1 Bridge",
       {"Wheatsheaf is not a team of table.txt; did you mean Wheatsheaf Wanderers?",
        "Bridge is not a team of table.txt; did you mean Bridge Inn FC or Bridge Rovers?"}},
      {"Crook Town 1-1 Zebra Park", {"Zebra Park is not a team of table.txt"}},
      {"St Mary's Bridge Inn FC", {"no score between St Mary's and Bridge Inn FC"}},
      {"St Mary's 99999999999-1 Bridge Inn FC",
       {"\"99999999999-1\" is not a score: goals, a dash, goals (as in 2-1 or 2 - 1)"}},
      {"St Mary's 2 - -1 Bridge Inn FC",
       {"\"2 - -1\" is not a score: goals, a dash, goals (as in 2-1 or 2 - 1)"}},
      {"Crook Town 2-2 Crook_Town", {"Crook Town plays itself"}},
      {"St Mary's 2-1 F\xff", {"the line holds bytes that are not UTF-8 text"}},
      {"played off next week",
       {"\"played off next week\" is not a result: home team, score, away "
        "team (as in St Mary's 2-1 Bridge Inn FC)"}},
      {"Marsh Lane",
       {"\"Marsh Lane\" is not a result: home team, score, away team (as in "
        "St Mary's 2-1 Bridge Inn FC)"}},
  };
  for (const auto& c : cases) {
    const ResultLineReading reading = read_result_line(c.line, teams);
    EXPECT_EQ(reading.problems, c.problems) << c.line;
    EXPECT_FALSE(reading.result) << c.line;
    EXPECT_EQ(reading.tools_form, "") << c.line;
  }
}

TEST(ResultLineTest, ALongLineTakesTimeInProportion) {
  const TeamNames teams(twenty_clubs());
  std::string line;
  for (int i = 0; i < 100000; ++i) line += "Marsh Lane ";
  line += "2-1 Crook Town";
  const ResultLineReading reading = read_result_line(line, teams);
  ASSERT_EQ(reading.problems.size(), 1u);
  EXPECT_TRUE(reading.problems[0].ends_with(" is not a team of table.txt"))
      << reading.problems[0].substr(0, 80);
}

}  // namespace
}  // namespace league
