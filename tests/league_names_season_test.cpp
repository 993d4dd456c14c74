// A season of clubs whose names have blanks, accents and digits: started from
// a file of names as written, drawn, and played round by round with results
// typed as people type them, beside table_update and form_update fed the same
// results in their own form; then every place that shows the names.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/case_run.h"

namespace league::testing {
namespace {

namespace fs = std::filesystem;

ToolOutcome run_in(const fs::path& dir, const std::string& program,
                   const std::vector<std::string>& args, const std::string& input = "") {
  return run_joined(dir, fs::path(TOOLS_DIR) / program, args, input);
}

const std::vector<std::string> kClubs{
    "St Mary's",          "Bridge Inn FC",     "Kings Lynn Town", "Wheatsheaf Wanderers",
    "Atlético Ryde",      "1874 Northwich",    "Tower Hamlets 2", "Tower Hamlets",
    "Brighton & Hove FC", "AFC Marsh Lane",    "Old Carthusians", "Red Lion United",
    "Sporting Bengal",    "Hashtag United",    "Real Ashford",    "Corinthian-Casuals",
    "Dulwich Hamlet",     "Clapton Community", "Forest Green",    "Lewes Ladies"};

std::string stored(std::string name) {
  for (char& c : name) {
    if (c == ' ') c = '_';
  }
  return name;
}

struct Match {
  std::string home;
  std::string away;
};

// The matches of each round of fixtures.txt, their names as the file writes them.
std::vector<std::vector<Match>> fixture_rounds(const std::string& text) {
  std::vector<std::vector<Match>> rounds;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("Round ", 0) == 0) rounds.emplace_back();
    const std::size_t dash = line.find(" - ");
    if (dash != std::string::npos && !rounds.empty())
      rounds.back().push_back({line.substr(0, dash), line.substr(dash + 3)});
  }
  return rounds;
}

TEST(LeagueNamesSeasonTest, ClubsNamedAsWrittenPlayTenRoundsLikeTheTools) {
  ScratchDir dir("names-season");
  const fs::path path = dir.path();
  std::string teams;
  for (const std::string& club : kClubs) teams += club + "\n";
  write_file(path / "teams.txt", teams);
  ASSERT_EQ(run_in(path, "league", {"new", "--teams", "teams.txt"}).status, 0);
  fs::remove(path / "teams.txt");
  const ToolOutcome drawn =
      run_in(path, "league", {"fixtures", "--seed", "30", "--start", "2027-01-09"});
  ASSERT_EQ(drawn.status, 0) << drawn.output;
  const std::string fixtures = read_file(path / "fixtures.txt");
  EXPECT_NE(fixtures.find("Bridge Inn FC"), std::string::npos) << fixtures;
  const std::vector<std::vector<Match>> rounds = fixture_rounds(fixtures);
  ASSERT_GE(rounds.size(), 10u);

  ScratchDir tools("names-season-tools");
  fs::copy(path, tools.path(), fs::copy_options::recursive);
  for (std::size_t round = 1; round <= 10; ++round) {
    std::string typed;
    std::string tools_form;
    int goals = static_cast<int>(round);
    for (const Match& match : rounds[round - 1]) {
      const int home = goals % 4;
      const int away = goals * 7 % 3;
      ++goals;
      typed += match.home + ' ' + std::to_string(home) + '-' + std::to_string(away) + ' ' +
               match.away + '\n';
      tools_form += stored(match.home) + ' ' + std::to_string(home) + " - " + std::to_string(away) +
                    ' ' + stored(match.away) + '\n';
    }
    write_file(path / "results.txt", typed);
    write_file(tools.path() / "results.txt", tools_form);
    const ToolOutcome played = run_in(path, "league", {"round"});
    ASSERT_EQ(played.status, 0) << played.output << typed;
    ASSERT_EQ(run_in(tools.path(), "table_update", {}, "\n").status, 0);
    ASSERT_EQ(run_in(tools.path(), "form_update", {}, "\n").status, 0);
    for (const char* file : {"table.txt", "form.txt"})
      EXPECT_EQ(read_file(path / file), read_file(tools.path() / file)) << file << round;
    const fs::path kept = path / "history" / std::to_string(round);
    EXPECT_EQ(read_file(kept / "results.txt"), tools_form);
    EXPECT_EQ(read_file(kept / "typed.txt"), typed);
  }

  const ToolOutcome status = run_in(path, "league", {"status"});
  EXPECT_EQ(status.status, 0) << status.output;
  const ToolOutcome published = run_in(
      path, "league", {"publish", "--out", "page.html", "--json", "page.json", "--ics", "cal.ics"});
  ASSERT_EQ(published.status, 0) << published.output;
  const std::string page = read_file(path / "page.html");
  const std::string json = read_file(path / "page.json");
  const std::string calendar = read_file(path / "cal.ics");
  for (const std::string& club : {std::string("Wheatsheaf Wanderers"), std::string("Atlético Ryde"),
                                  std::string("Tower Hamlets 2")}) {
    EXPECT_NE(status.output.find(club), std::string::npos) << club << status.output;
    EXPECT_NE(json.find('"' + club + '"'), std::string::npos) << club;
    EXPECT_NE(calendar.find(club), std::string::npos) << club;
  }
  EXPECT_NE(page.find("Brighton &amp; Hove FC"), std::string::npos);
  EXPECT_NE(page.find("Bridge Inn FC"), std::string::npos);
  // The stored form stays only where no one reads it: the page's data-team
  // attributes and the calendar's UIDs.
  for (const std::string* shown : {&status.output, &json})
    EXPECT_EQ(shown->find("Bridge_Inn_FC"), std::string::npos);
  EXPECT_EQ(calendar.find("SUMMARY:Bridge_Inn_FC"), std::string::npos);
  EXPECT_NE(calendar.find("SUMMARY:Bridge Inn FC"), std::string::npos);
}

}  // namespace
}  // namespace league::testing
