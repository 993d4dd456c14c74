#include "league/publish/publish_html.h"

#include <gtest/gtest.h>

#include <regex>

#include "league/publish/publish_text.h"
#include "league/publish/standings_chart.h"

namespace league {
namespace {

std::size_t count_of(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

StandingsRow row(const std::string& team, int points, const std::string& form = "") {
  StandingsRow row{{team}, form};
  row.entry.Pts = points;
  return row;
}

// Three teams over two rounds; the last one swapped the first two.
Standings three_teams() {
  Standings standings;
  standings.round = 2;
  standings.date = "2026-10-02 18:20";
  standings.table = {row("Bayern_München", 6, "WW"), row("<b>&'Co\"", 3, "LWD"), row("Ash", 0)};
  standings.rounds = {{1, "2026-10-01 18:20", {"<b>&'Co\"", "Bayern_München", "Ash"}},
                      {2, "2026-10-02 18:20", {"Bayern_München", "<b>&'Co\"", "Ash"}}};
  return standings;
}

TEST(PublishText, EscapesMarkupAndShowsUnderscoresAsBlanks) {
  EXPECT_EQ(html_escape("a&b<c>d\"e'f"), "a&amp;b&lt;c&gt;d&quot;e&#39;f");
  EXPECT_EQ(display_name("Bayern_München_&_Co"), "Bayern München &amp; Co");
}

TEST(StandingsPage, TeamsInTableOrderWithFormAndNoRawMarkupFromNames) {
  const std::string page = standings_page(three_teams());
  EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
  const auto first = page.find(
      "<td class=\"pos\">1<span class=\"swatch\" style=\"background:#1f77b4\"></span></td><td "
      "class=\"name grow\">Bayern München</td>");
  const auto second = page.find("&lt;b&gt;&amp;&#39;Co&quot;</td>");
  const auto third = page.find("Ash</td>");
  ASSERT_NE(first, std::string::npos);
  EXPECT_LT(first, second);
  EXPECT_LT(second, third);
  EXPECT_EQ(page.find("<b>&"), std::string::npos);
  EXPECT_NE(page.find("<span class=\"l\" title=\"Lost\">L</span><span class=\"w\" title=\"Won\">W"
                      "</span><span class=\"d\" title=\"Drawn\">D</span>"),
            std::string::npos);
  EXPECT_NE(page.find("After round <strong id=\"round\">2</strong> &middot; <time>2026-10-02 "
                      "18:20</time>"),
            std::string::npos);
  // Self-contained: nothing fetched, nothing run.
  for (const char* outside : {"<script", "<link", "src=", "url(", "@import", "href="})
    EXPECT_EQ(page.find(outside), std::string::npos) << outside;
  EXPECT_EQ(page.find("id=\"scorers\""), std::string::npos);  // no teams.dir
}

TEST(StandingsPage, ScorersShareRanksAndNoRoundGivesANote) {
  Standings standings = three_teams();
  standings.rounds.clear();
  standings.round = 0;
  standings.scorers = std::vector<Scorer>{
      {"A_Keane", "ASH", 5, 2}, {"B_Brody", "BRA", 5, 2}, {"C_Tully", "CAR", 4, 9}};
  const std::string page = standings_page(standings);
  EXPECT_NE(page.find("<p class=\"when\">No round recorded yet</p>"), std::string::npos);
  EXPECT_EQ(page.find("<svg"), std::string::npos);
  EXPECT_NE(page.find("<p class=\"note\">No round recorded yet"), std::string::npos);
  // Each player with the rank and, below the name, the team.
  for (const char* row : {"1</td><td class=\"name grow\">A Keane<span class=\"team\">ASH</span>",
                          "1</td><td class=\"name grow\">B Brody<span class=\"team\">BRA</span>",
                          "3</td><td class=\"name grow\">C Tully<span class=\"team\">CAR</span>"})
    EXPECT_NE(page.find(std::string("<td class=\"pos\">") + row), std::string::npos) << row;

  standings.scorers->clear();
  EXPECT_NE(standings_page(standings).find("No goals scored yet."), std::string::npos);
}

TEST(StandingsPage, TheLeaguesNameAndEachAdjustmentWithItsMarkAndReason) {
  Standings standings = three_teams();
  EXPECT_NE(standings_page(standings).find("<title>League standings after round 2</title>"),
            std::string::npos);
  standings.league = "Sunday <League>";
  standings.adjustments = {
      {2, 1, "Bayern_München", -3, "fielded an <ineligible> player", "2027-01-12 18:20"},
      {2, 2, "Bayern_München", 1, "appeal", "2027-01-19 09:05"}};
  const std::string page = standings_page(standings);
  EXPECT_NE(page.find("<title>Sunday &lt;League&gt; standings after round 2</title>"),
            std::string::npos);
  EXPECT_NE(page.find("<h1>Sunday &lt;League&gt;</h1>"), std::string::npos);
  // One mark on the adjusted team's row, with the sum of its adjustments.
  EXPECT_EQ(count_of(page, "title=\"Points adjusted"), 1u);
  EXPECT_NE(page.find("Bayern München<span class=\"adj\" title=\"Points adjusted: "
                      "\xE2\x88\x92"
                      "2\">*</span></td>"),
            std::string::npos);
  EXPECT_NE(page.find("<li><span class=\"adj\">*</span>Bayern München: \xE2\x88\x92"
                      "3 points on 2027-01-12: fielded an &lt;ineligible&gt; player</li>\n"
                      "<li><span class=\"adj\">*</span>Bayern München: +1 point on 2027-01-19: "
                      "appeal</li>"),
            std::string::npos);
}

TEST(PositionChart, OneLinePerTeamWithAPointPerRoundAndTheLeaderOnTop) {
  Standings standings = three_teams();
  standings.rounds[0].teams.pop_back();  // Ash missing from round 1
  const std::string svg = position_chart(standings);
  EXPECT_EQ(count_of(svg, "<polyline"), 3u);
  EXPECT_EQ(count_of(svg, "<circle"), 5u);
  EXPECT_EQ(count_of(svg, "<g class=\"team\""), 3u);
  EXPECT_NE(svg.find("data-team=\"&lt;b&gt;&amp;&#39;Co&quot;\""), std::string::npos);
  EXPECT_NE(svg.find("<title>Bayern München, round 2: position 1</title>"), std::string::npos);

  // The leader's line falls from position 2 to 1: its last point is the higher one.
  const std::regex points(
      "data-team=\"Bayern_München\"[^>]*>\\s*<polyline points=\"([0-9.]+),([0-9.]+) "
      "([0-9.]+),([0-9.]+)\"");
  std::smatch match;
  ASSERT_TRUE(std::regex_search(svg, match, points)) << svg;
  EXPECT_LT(std::stod(match[1]), std::stod(match[3]));
  EXPECT_GT(std::stod(match[2]), std::stod(match[4]));

  standings.rounds.clear();
  EXPECT_EQ(position_chart(standings), "");
}

}  // namespace
}  // namespace league
