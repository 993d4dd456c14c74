#include "common/results/results_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace league {
namespace {

// Each entry as "LINE: home goals-goals away", or "LINE: bad: words".
std::vector<std::string> read(std::string_view text) {
  std::vector<std::string> shown;
  for (const ResultsEntry& entry : read_results(text)) {
    std::string line = std::to_string(entry.line) + ": ";
    if (entry.result) {
      const auto& [home, away] = entry.result->sides;
      line += std::string(home.team) + ' ' + std::to_string(home.goals) + '-' +
              std::to_string(away.goals) + ' ' + std::string(away.team);
    } else {
      line += "bad " + std::string(entry.home) + ": " + entry.words;
    }
    shown.push_back(line);
  }
  return shown;
}

TEST(ReadResults, LineBreaksCarryNoMeaning) {
  const std::vector<std::string> expected{"1: Lions 2-1 Tigers", "2: Bears 0-0 Lions"};
  EXPECT_EQ(read("Lions 2 - 1 Tigers\nBears 0 - 0 Lions\n"), expected);
  EXPECT_EQ(read("Lions 2 - 1 Tigers\nBears 0 x 0\tLions"), expected);
  EXPECT_EQ(read("Lions 2 - 1 Tigers Bears 0 - 0 Lions"),
            (std::vector<std::string>{"1: Lions 2-1 Tigers", "1: Bears 0-0 Lions"}));
  EXPECT_EQ(read("\r\n\r\nLions\r\n2\r\nv\r\n1\r\nTigers\r\n"),
            std::vector<std::string>{"3: Lions 2-1 Tigers"});
  EXPECT_TRUE(read(" \n\t\r\n").empty());
  EXPECT_EQ(read("Lions +3 : -1 Lions"), std::vector<std::string>{"1: Lions 3--1 Lions"});
}

TEST(ReadResults, ABadResultIsKeptWithItsWordsAndReadingGoesOnAtTheNextLine) {
  EXPECT_EQ(read("Pumas 2-1 Lions\nBears 1 - 1 Tigers\nPumas 99999999999 - 1 Lions\nPumas 2 -"),
            (std::vector<std::string>{"1: bad Pumas: Pumas 2-1 Lions", "2: Bears 1-1 Tigers",
                                      "3: bad Pumas: Pumas 99999999999 - 1 Lions",
                                      "4: bad Pumas: Pumas 2 -"}));
}

}  // namespace
}  // namespace league
