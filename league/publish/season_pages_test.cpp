// The pages beside the standings page, checked against a small season worked
// out by hand: four teams, three dated rounds, round 2 half played.
#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "common/io/whole_file.h"
#include "league/app/run_league.h"
#include "league/publish/publish_test_league.h"
#include "league/publish/site_pages.h"
#include "tests/support/scratch_dir.h"

namespace league {
namespace {

void league_run(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(run_league(args, out, err), 0) << err.str();
}

// Round 1: Ashford 2-0 Brackley, Carrow 1-1 Dunmore. Round 2: Brackley 0-3
// Carrow; Dunmore - Ashford not played by its day. Round 3 to come, one
// match of it rearranged to another day and ground.
void write_hand_season() {
  league_run({"new", "Ashford", "Brackley", "Carrow", "Dunmore"});
  write_test_file("fixtures.txt",
                  "Round 1 2026-08-01\nAshford - Brackley\nCarrow - Dunmore\n\n"
                  "Round 2 2026-08-08\nBrackley - Carrow\nDunmore - Ashford\n\n"
                  "Round 3 2026-08-15\nAshford - Carrow\n"
                  "Brackley - Dunmore 2026-08-19 19:45 @ Dunmore Park\n");
  write_test_file("results.txt", "Ashford 2 - 0 Brackley\nCarrow 1 - 1 Dunmore\n");
  league_run({"round"});
  write_test_file("results.txt", "Brackley 0 - 3 Carrow\n");
  league_run({"round"});
  league_run({"ground", "Ashford", "The Homelands", "--address", "Ashford Road"});
  setenv("LEAGUE_TODAY", "2026-08-10", 1);
  league_run({"publish", "--pages"});
  unsetenv("LEAGUE_TODAY");
}

// The text of an element's content: tags dropped, the page's entities read.
std::string text_of(std::string html) {
  html = std::regex_replace(html, std::regex("<br>"), " ");
  html = std::regex_replace(html, std::regex("<[^>]*>"), "");
  html = std::regex_replace(html, std::regex("&ndash;"), "-");
  html = std::regex_replace(html, std::regex("&middot;"), "|");
  return std::regex_replace(html, std::regex("&nbsp;"), " ");
}

// Each row of the first table of `page` after `from`: its cells' texts.
std::vector<std::vector<std::string>> rows_of(const std::string& page, const std::string& from) {
  const auto start = page.find("<tbody>", page.find(from));
  const std::string body = page.substr(start, page.find("</tbody>", start) - start);
  std::vector<std::vector<std::string>> rows;
  const std::regex row("<tr[^>]*>(.*?)</tr>");
  const std::regex cell("<t[hd][^>]*>(.*?)</t[hd]>");
  for (auto r = std::sregex_iterator(body.begin(), body.end(), row); r != std::sregex_iterator();
       ++r) {
    const std::string cells = (*r)[1];
    rows.emplace_back();
    for (auto c = std::sregex_iterator(cells.begin(), cells.end(), cell);
         c != std::sregex_iterator(); ++c)
      rows.back().push_back(text_of((*c)[1]));
  }
  return rows;
}

TEST(SeasonPages, TheGridAndTheFixturesListOfAHandWorkedSeason) {
  testing::ScratchWorkDir folder("season_pages_test");
  write_hand_season();
  using Rows = std::vector<std::vector<std::string>>;
  EXPECT_EQ(rows_of(*read_whole_file("league-grid.html"), "class=\"grid\""),
            (Rows{{"Ashford", "", "2-0", "15 Aug", ""},
                  {"Brackley", "", "", "0-3", "19 Aug"},
                  {"Carrow", "", "", "", "1-1"},
                  {"Dunmore", "P", "", "", ""}}));

  const std::string list = *read_whole_file("league-fixtures.html");
  EXPECT_EQ(rows_of(list, "Round 2 &middot;"),
            (Rows{{"Brackley", "0-3", "Carrow"}, {"Dunmore", "-", "Ashfordpostponed"}}));
  EXPECT_EQ(rows_of(list, "Round 3 &middot;"),
            (Rows{{"Ashford", "-", "Carrow"},
                  {"Brackley", "-", "Dunmorerearranged | Wed 19 Aug 2026 19:45"}}));
  EXPECT_NE(list.find("<h2>Round 3 &middot; <time datetime=\"2026-08-15\">"), std::string::npos);
  // Structured data of every fixture, as schema.org reads it.
  const auto script = list.find("<script type=\"application/ld+json\">");
  ASSERT_NE(script, std::string::npos);
  const auto data_start = list.find('>', script) + 1;
  const auto data =
      nlohmann::json::parse(list.substr(data_start, list.find("</script>", script) - data_start));
  const auto& events = data["@graph"];
  ASSERT_EQ(events.size(), 6u);
  const auto event = [&events](const std::string& name) {
    for (const auto& one : events)
      if (one["name"] == name) return one;
    return nlohmann::json();
  };
  EXPECT_EQ(event("Ashford v Brackley")["eventStatus"], "https://schema.org/EventScheduled");
  EXPECT_EQ(event("Dunmore v Ashford")["eventStatus"], "https://schema.org/EventPostponed");
  const auto carrow = event("Ashford v Carrow");
  EXPECT_EQ(carrow["@type"], "SportsEvent");
  EXPECT_EQ(carrow["homeTeam"]["name"], "Ashford");
  EXPECT_EQ(carrow["awayTeam"]["name"], "Carrow");
  EXPECT_EQ(carrow["startDate"], "2026-08-15");
  EXPECT_EQ(carrow["location"]["name"], "The Homelands");
  EXPECT_EQ(carrow["location"]["address"], "Ashford Road");
  const auto moved = event("Brackley v Dunmore");
  EXPECT_EQ(moved["eventStatus"], "https://schema.org/EventRescheduled");
  EXPECT_EQ(moved["startDate"], "2026-08-19T19:45");
  EXPECT_EQ(moved["location"]["name"], "Dunmore Park");
  EXPECT_FALSE(event("Brackley v Carrow").contains("location"));  // no ground kept

  // The standings page links to both.
  const std::string page = *read_whole_file("league.html");
  EXPECT_NE(page.find("<a href=\"league-grid.html\">"), std::string::npos);
  EXPECT_NE(page.find("<a href=\"league-fixtures.html\">"), std::string::npos);
}

TEST(SeasonPages, ATeamsPageOfAHandWorkedSeason) {
  testing::ScratchWorkDir folder("season_pages_test");
  write_hand_season();
  // Ashford: top after round 1 (3 points), second to Carrow (4) after round 2.
  const std::string page = *read_whole_file("league-team-ashford.html");
  using Rows = std::vector<std::vector<std::string>>;
  EXPECT_EQ(rows_of(page, "id=\"standing\""),
            (Rows{{"2", "1", "1", "0", "0", "2", "0", "3", "W"}}));
  EXPECT_NE(page.find("<li><span class=\"round\">Round 1</span>1</li>"
                      "<li><span class=\"round\">Round 2</span>2</li>"),
            std::string::npos);
  EXPECT_EQ(rows_of(page, "id=\"results\""),
            (Rows{{"Round 1 Sat 1 Aug 2026", "Brackley (H)", "2-0", "W"}}));
  EXPECT_EQ(rows_of(page, "id=\"fixtures\""),
            (Rows{{"Round 2 Sat 8 Aug 2026", "Dunmore (A)postponed"},
                  {"Round 3 Sat 15 Aug 2026", "Carrow (H)"}}));
  // Brackley's page: one result each way round, lost at Ashford and at home.
  EXPECT_EQ(rows_of(*read_whole_file("league-team-brackley.html"), "id=\"results\""),
            (Rows{{"Round 1 Sat 1 Aug 2026", "Ashford (A)", "0-2", "L"},
                  {"Round 2 Sat 8 Aug 2026", "Carrow (H)", "0-3", "L"}}));
  // The grid and the table link to each team's page.
  EXPECT_NE(read_whole_file("league-grid.html")->find("<a href=\"league-team-dunmore.html\">"),
            std::string::npos);
  EXPECT_NE(read_whole_file("league.html")->find("<a href=\"league-team-carrow.html\">"),
            std::string::npos);
}

TEST(SeasonPages, AfterARoundTheFixturesAreAsTheyStoodThen) {
  testing::ScratchWorkDir folder("season_pages_test");
  write_hand_season();
  league_run({"fixtures", "move", "Ashford", "Carrow", "2026-08-16", "18:00"});
  setenv("LEAGUE_TODAY", "2026-08-10", 1);
  league_run({"publish", "--after", "2", "--json", "then.json", "--out", "then.html"});
  league_run({"publish", "--json", "now.json"});
  unsetenv("LEAGUE_TODAY");
  const auto next = [](const char* path) {
    const nlohmann::json document = nlohmann::json::parse(*read_whole_file(path));
    for (const nlohmann::json& fixture : document["next_fixtures"])
      if (fixture["home"] == "Ashford") return fixture;
    return nlohmann::json();
  };
  EXPECT_EQ(next("then.json")["date"], "2026-08-15");
  EXPECT_FALSE(next("then.json").contains("status"));
  EXPECT_EQ(next("now.json")["date"], "2026-08-16");
  EXPECT_EQ(next("now.json")["status"], "EventRescheduled");
}

TEST(SeasonPages, RefusedForMoreTeamsThanTheyAreWrittenFor) {
  testing::ScratchWorkDir folder("season_pages_test");
  std::string teams;
  for (std::size_t team = 0; team <= kMaxSitePageTeams; ++team)
    teams += "Club" + std::to_string(team) + '\n';
  write_test_file("teams.txt", teams);
  league_run({"new", "--teams", "teams.txt"});
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(run_league({"publish", "--pages"}, out, err), 1);
  EXPECT_NE(err.str().find("league-grid.html: --pages writes a page for each team"),
            std::string::npos)
      << err.str();
  EXPECT_FALSE(read_whole_file("league.html"));
  league_run({"publish"});
}

}  // namespace
}  // namespace league
