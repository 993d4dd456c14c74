#include "common/results/results_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/console/tool_error.h"

namespace league {
namespace {

struct Applied {
  std::string home;
  int home_goals;
  int away_goals;
  std::size_t home_row;
  std::size_t away_row;
  bool operator==(const Applied&) const = default;
};

class ApplyResultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (std::string_view name : names_) index_.add(name);
  }
  std::vector<Applied> run(std::string_view text) {
    std::vector<Applied> applied;
    apply_results(text, index_, [&](const MatchResult& r, const MatchRows& rows) {
      applied.push_back(
          {std::string(r.sides[0].team), r.sides[0].goals, r.sides[1].goals, rows[0], rows[1]});
    });
    return applied;
  }
  // The message of the error that the text raises, and that it waits for a key.
  std::string error_of(std::string_view text) {
    try {
      run(text);
    } catch (const ToolError& error) {
      EXPECT_TRUE(error.waits_for_key());
      return error.what();
    }
    return "no error";
  }

  std::vector<std::string> names_{"Lions", "Tigers", "Bears", "Lions"};
  TeamIndex index_;
};

TEST_F(ApplyResultsTest, LineBreaksCarryNoMeaning) {
  const std::vector<Applied> expected{{"Lions", 2, 1, 0, 1}, {"Bears", 0, 0, 2, 0}};
  EXPECT_EQ(run("Lions 2 - 1 Tigers\nBears 0 - 0 Lions\n"), expected);
  EXPECT_EQ(run("Lions 2 - 1 Tigers Bears 0 - 0 Lions"), expected);
  EXPECT_EQ(run("\r\n\r\nLions\r\n2\r\nv\r\n1\r\nTigers\r\n\r\nBears 0 x 0\tLions\r\n"), expected);
}

TEST_F(ApplyResultsTest, EmptyFileAppliesNothing) {
  EXPECT_TRUE(run("").empty());
  EXPECT_TRUE(run(" \n\t\r\n").empty());
}

TEST_F(ApplyResultsTest, SignedGoalsAndATeamOnBothSides) {
  EXPECT_EQ(run("Lions +3 : -1 Lions"), (std::vector<Applied>{{"Lions", 3, -1, 0, 0}}));
}

TEST_F(ApplyResultsTest, UnknownTeamsAreNamedHomeFirst) {
  EXPECT_EQ(error_of("Pumas 1 - 0 Jaguars"), "\nError ! Team Pumas not found in the table !!");
  EXPECT_EQ(error_of("Lions 1 - 0 tigers"), "\nError ! Team tigers not found in the table !!");
}

TEST_F(ApplyResultsTest, ResultsBeforeAnUnknownTeamWereAppliedInOrder) {
  std::vector<std::string> seen;
  EXPECT_THROW(apply_results("Lions 1 - 0 Tigers\nBears 1 - 1 Wolves\n", index_,
                             [&](const MatchResult& r, const MatchRows&) {
                               seen.emplace_back(r.sides[0].team);
                             }),
               ToolError);
  EXPECT_EQ(seen, std::vector<std::string>{"Lions"});
}

TEST_F(ApplyResultsTest, CutShortOrNonIntegerGoalsAreRefusedBeforeLookup) {
  const std::string refused = "\nError ! Invalid result for team Pumas in results.txt !!";
  EXPECT_EQ(error_of("Pumas 2-1 Lions"), refused);
  EXPECT_EQ(error_of("Pumas 2 - x Lions"), refused);
  EXPECT_EQ(error_of("Pumas 2 - 1"), refused);
  EXPECT_EQ(error_of("Pumas"), refused);
  EXPECT_EQ(error_of("Pumas 99999999999 - 1 Lions"), refused);
  EXPECT_EQ(error_of("Lions 1 - 0 Tigers Pumas 1:0 Bears"), refused);
}

}  // namespace
}  // namespace league
