// Renders the published page of a twenty-team league in headless Chromium and
// checks the document the browser built: the teams in table order, the chart
// with a line of a point per round for every team; with long names, that the
// page fits a phone's width, the chart shows every name whole and the page
// prints on one A4 sheet. The screenshot it takes stays in the build tree's
// test outputs for people to look at. Skipped when the browser is not
// installed (Debian package chromium-headless-shell), unless
// LEAGUE_REQUIRE_BROWSER is set; LEAGUE_BROWSER names another binary to use.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

#include "common/io/whole_file.h"
#include "common/roster/roster_layout.h"
#include "common/table/table_file.h"
#include "league/app/run_league.h"
#include "league/publish/publish_test_league.h"
#include "tests/support/scratch_dir.h"

namespace league {
namespace {

namespace fs = std::filesystem;

std::string browser() {
  if (const char* chosen = std::getenv("LEAGUE_BROWSER")) return chosen;
  for (const char* path :
       {"/usr/bin/chromium-headless-shell", "/usr/lib/chromium/chromium-headless-shell"}) {
    if (fs::exists(path)) return path;
  }
  return {};
}

std::size_t count_of(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// Runs the browser on a page of the current directory with these options;
// what it prints goes to `output`. The browser runs as root here, so without
// its sandbox, and with a profile of its own.
void run_browser(const std::string& chromium, const std::string& options, const std::string& page,
                 const std::string& output) {
  const fs::path here = fs::current_path();
  const std::string command =
      "timeout 60 '" + chromium +
      "' --headless --no-sandbox --disable-gpu --disable-background-networking"
      " --disable-component-update --disable-sync --no-first-run --hide-scrollbars"
      " --user-data-dir='" +
      (here / "profile").string() + "' " + options + " 'file://" + (here / page).string() + "' > " +
      output + " 2> browser.log";
  ASSERT_EQ(std::system(command.c_str()), 0) << *read_whole_file("browser.log");
}

#define REQUIRE_BROWSER(chromium)                                                              \
  const std::string chromium = browser();                                                      \
  if (chromium.empty()) {                                                                      \
    /* CI installs the browser and sets this, so that there the test cannot pass unrun. */     \
    if (std::getenv("LEAGUE_REQUIRE_BROWSER")) FAIL() << "chromium-headless-shell is missing"; \
    GTEST_SKIP() << "chromium-headless-shell is not installed";                                \
  }

TEST(PublishInBrowser, TeamsStandInTableOrderAndTheChartIsDrawn) {
  REQUIRE_BROWSER(chromium);

  const fs::path output = PUBLISH_TEST_OUTPUT;
  fs::create_directories(output);
  const fs::path screenshot = output / "league.png";
  fs::remove(screenshot);

  testing::ScratchWorkDir folder("publish_browser_test");
  constexpr int kRounds = 8;
  write_test_league(twenty_test_teams(), kRounds, true);
  write_test_fixtures(twenty_test_teams(), kRounds);
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(run_league({"publish"}, out, err), 0) << err.str();

  // One render gives both the document and the screenshot.
  run_browser(chromium,
              "--window-size=1000,1500 --screenshot='" + screenshot.string() + "' --dump-dom",
              "league.html", "dom.html");
  const std::string dom = read_whole_file("dom.html").value_or("");

  // The rows of the table body, in the order the browser laid them out.
  const auto body_start = dom.find("<tbody>");
  const auto body_end = dom.find("</tbody>", body_start);
  ASSERT_NE(body_end, std::string::npos) << dom;
  const std::string body = dom.substr(body_start, body_end - body_start);
  std::vector<std::string> shown;
  const std::regex row("<tr data-team=\"([^\"]*)\">");
  for (auto it = std::sregex_iterator(body.begin(), body.end(), row); it != std::sregex_iterator();
       ++it)
    shown.push_back((*it)[1]);
  std::vector<std::string> expected;
  for (const TableEntry& entry :
       read_league_table(*read_whole_file("table.txt"), "table.txt").rows) {
    // The browser writes attribute values back with only & and " escaped.
    std::string name = std::regex_replace(entry.Team, std::regex("&"), "&amp;");
    expected.push_back(name);
  }
  EXPECT_EQ(shown, expected);
  EXPECT_NE(body.find(">Bayern München</td>"), std::string::npos);
  EXPECT_NE(dom.find("<strong id=\"round\">8</strong>"), std::string::npos);

  // The chart: a line through a point for each round, for every team.
  EXPECT_EQ(count_of(dom, "<g class=\"team\""), twenty_test_teams().size());
  const std::regex line("<polyline points=\"([^\"]*)\"");
  std::size_t lines = 0;
  for (auto it = std::sregex_iterator(dom.begin(), dom.end(), line); it != std::sregex_iterator();
       ++it, ++lines)
    EXPECT_EQ(count_of((*it)[1], ","), static_cast<std::size_t>(kRounds));
  EXPECT_EQ(lines, twenty_test_teams().size());
  EXPECT_NE(dom.find("id=\"scorers\""), std::string::npos);

  ASSERT_TRUE(fs::exists(screenshot));
  EXPECT_GT(fs::file_size(screenshot), 20'000u) << "a blank page?";
  std::cout << "Screenshot: " << screenshot.string() << "\n";
}

// Twenty names of about 26 letters, each with its own first three letters,
// so that the rosters' codes name the table's teams.
const std::vector<std::string>& twenty_long_names() {
  static const std::vector<std::string> teams{
      "Wolverhampton_Wanderers_FC",   "Brighton_&_Hove_Albion_FC",    "Borussia_Mönchengladbach",
      "Queens_Park_Rangers_Town",     "Sheffield_Wednesday_United",   "West_Bromwich_Albion_Town",
      "Hamilton_Academical_Reserve",  "Inverness_Caledonian_Thistle", "Tottenham_Hotspur_Athletic",
      "Atlético_Madrid_Veterans_XI",  "Nottingham_Forest_Rovers",     "Kidderminster_Harriers_AFC",
      "Accrington_Stanley_United",    "Dunfermline_Athletic_Town",    "Huddersfield_Town_Academy",
      "Peterborough_United_Reserves", "Crystal_Palace_Old_Boys_XI",   "Oldham_Athletic_Wanderers",
      "Saint_Johnstone_Rovers_FC",    "Macclesfield_Town_United"};
  return teams;
}

// What the page's layout measures in the browser at one window width, written
// by a script added to a copy of the page (the page itself runs none).
constexpr std::string_view kProbe = R"js(<script>
(() => {
  const lines = [];
  const over = (inner, outer) => Math.max(0, Math.ceil(inner - outer));
  lines.push('page=' + over(document.documentElement.scrollWidth, window.innerWidth));
  const table = document.querySelector('#table .scroll');
  lines.push('table=' + over(table.scrollWidth, table.clientWidth));
  const box = document.querySelector('#scorers').getBoundingClientRect();
  const scorers = document.querySelector('table.scorers').getBoundingClientRect();
  lines.push('scorers=' + over(scorers.right, Math.min(box.right, window.innerWidth)));
  const svg = document.querySelector('svg.chart');
  const right = svg.viewBox.baseVal.x + svg.viewBox.baseVal.width;
  lines.push('cut=' + [...svg.querySelectorAll('.team > text')]
    .filter(text => text.getBBox().x + text.getBBox().width > right)
    .map(text => text.textContent).join('|'));
  lines.push('chart=' + over(svg.parentElement.scrollWidth, svg.parentElement.clientWidth));
  lines.push('hidden=' + [...svg.querySelectorAll('.team > text')]
    .filter(text => text.getBoundingClientRect().right > svg.parentElement.getBoundingClientRect().right + 0.5)
    .map(text => text.textContent).join('|'));
  const pre = document.createElement('pre');
  pre.id = 'probe';
  pre.textContent = lines.join('\n') + '\n';
  document.body.append(pre);
})();
</script>
)js";

// Where the footer ends, in CSS pixels from the top of the page.
constexpr std::string_view kFooterProbe = R"js(<script>
(() => {
  const pre = document.createElement('pre');
  pre.id = 'probe';
  pre.textContent = 'footer=' + document.querySelector('footer').getBoundingClientRect().bottom + '\n';
  document.body.append(pre);
})();
</script>
)js";

// A value the probe wrote into the document.
std::string probed(const std::string& dom, const std::string& what) {
  const std::string lines = dom.substr(std::min(dom.rfind("<pre id=\"probe\">"), dom.size()));
  std::smatch match;
  if (!std::regex_search(lines, match, std::regex("[>\n]" + what + "=([^\n]*)\n")))
    return "missing";
  return match[1];
}

// Twenty clubs with long names after ten rounds, the chart's longest axis of
// the season's first half; fixtures, so that the last round's results, a
// postponed match and the next round all stand on the page; a top scorer with
// a long name.
void write_long_names_season() {
  write_test_league(twenty_long_names(), 10, true);
  write_test_fixtures(twenty_long_names(), 10);
  std::string roster = *read_whole_file("WOL.txt");
  Player player;
  player.Name = "Ciarán_Ó_Súilleabháin";
  player.Nat = "irl";
  player.Gls = 40;
  append_roster_values(roster, player, *find_roster_layout(1));
  write_test_file("WOL.txt", roster + "\n");
}

// league.html prints on one A4 sheet. The same page at the sheet's width
// within its margins (186 mm), its print rules applied on screen: the footer
// ends 10 mm clear of the sheet's end (273 mm), so that other fonts keep it on
// the sheet too. Chromium writes each page of a PDF as an object of /Type /Page.
void expect_one_sheet(const std::string& chromium) {
  std::string sheet = *read_whole_file("league.html");
  for (auto at = sheet.find("@media print {"); at != std::string::npos;
       at = sheet.find("@media print {", at))
    sheet.replace(at, 14, "@media all {");
  sheet.insert(sheet.rfind("</body>"), kFooterProbe);
  write_test_file("sheet.html", sheet);
  run_browser(chromium, "--window-size=703,1032 --dump-dom", "sheet.html", "sheet.txt");
  const std::string footer = probed(*read_whole_file("sheet.txt"), "footer");
  EXPECT_LE(std::stod("0" + footer), (273 - 10) * 96 / 25.4) << footer << " px";

  fs::remove("print.pdf");
  run_browser(chromium, "--no-pdf-header-footer --print-to-pdf=print.pdf", "league.html",
              "print.log");
  const std::string pdf = read_whole_file("print.pdf").value_or("");
  ASSERT_FALSE(pdf.empty());
  EXPECT_EQ(count_of(pdf, "/Type /Page") - count_of(pdf, "/Type /Pages"), 1u);
}

TEST(PublishInBrowser, LongNamesFitAPhoneShowWholeInTheChartAndPrintOnOnePage) {
  REQUIRE_BROWSER(chromium);
  testing::ScratchWorkDir folder("publish_browser_test");
  write_long_names_season();
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(run_league({"publish", "--pages"}, out, err), 0) << err.str();

  std::string page = *read_whole_file("league.html");
  ASSERT_NE(page.find("Ciarán Ó Súilleabháin<span class=\"team\">Wolverhampton Wanderers FC"),
            std::string::npos);
  for (const char* box : {"id=\"results\"", "id=\"postponed\"", "id=\"next\""})
    EXPECT_NE(page.find(box), std::string::npos) << box;
  page.insert(page.rfind("</body>"), kProbe);
  write_test_file("probe.html", page);
  for (const int width : {390, 600, 1000}) {
    SCOPED_TRACE("window width " + std::to_string(width));
    run_browser(chromium, "--window-size=" + std::to_string(width) + ",900 --dump-dom",
                "probe.html", "probe.txt");
    const std::string dom = *read_whole_file("probe.txt");
    EXPECT_EQ(probed(dom, "page"), "0") << "the page scrolls sideways";
    EXPECT_EQ(probed(dom, "table"), "0") << "the table scrolls sideways";
    EXPECT_EQ(probed(dom, "scorers"), "0") << "the top scorers pass the right edge";
    EXPECT_EQ(probed(dom, "cut"), "") << "names cut at the chart's edge";
    EXPECT_EQ(probed(dom, "chart"), "0") << "the chart scrolls sideways";
    EXPECT_EQ(probed(dom, "hidden"), "") << "names out of sight to the right";
  }

  // One A4 sheet, with the top scorers beside the chart and without them
  // (the chart then takes the whole width).
  for (const bool scorers : {true, false}) {
    SCOPED_TRACE(scorers ? "with top scorers" : "without top scorers");
    if (!scorers) {
      fs::remove("teams.dir");
      ASSERT_EQ(run_league({"publish", "--pages"}, out, err), 0) << err.str();
      ASSERT_EQ(read_whole_file("league.html")->find("id=\"scorers\""), std::string::npos);
    }
    expect_one_sheet(chromium);
  }
}

// What a page beside the standings measures at one window width: whether the
// page scrolls sideways, the widest overflow of a table's scrolling box, and
// the home team names of the grid out of sight once it is scrolled to its end.
constexpr std::string_view kPagesProbe = R"js(<script>
(() => {
  const lines = [];
  const over = (inner, outer) => Math.max(0, Math.ceil(inner - outer));
  lines.push('page=' + over(document.documentElement.scrollWidth, window.innerWidth));
  const boxes = [...document.querySelectorAll('.scroll, table')];
  lines.push('box=' + Math.max(0, ...boxes.map(box => over(box.scrollWidth, box.clientWidth))));
  const grid = document.querySelector('#grid .scroll');
  if (grid) {
    grid.scrollLeft = grid.scrollWidth;
    const left = grid.getBoundingClientRect().left;
    lines.push('names=' + [...grid.querySelectorAll('tbody th.name')]
      .filter(name => name.getBoundingClientRect().left < left - 0.5).length);
  }
  const pre = document.createElement('pre');
  pre.id = 'probe';
  pre.textContent = lines.join('\n') + '\n';
  document.body.append(pre);
})();
</script>
)js";

// The number of sheets Chromium prints a page on.
std::size_t printed_sheets(const std::string& chromium, const std::string& page) {
  fs::remove("print.pdf");
  run_browser(chromium, "--no-pdf-header-footer --print-to-pdf=print.pdf", page, "print.log");
  const std::string pdf = read_whole_file("print.pdf").value_or("");
  return count_of(pdf, "/Type /Page") - count_of(pdf, "/Type /Pages");
}

TEST(PublishInBrowser, TheFixturesTheGridAndATeamsPageFitAPhoneAndADeskAndPrint) {
  REQUIRE_BROWSER(chromium);
  testing::ScratchWorkDir folder("publish_browser_test");
  // Ten rounds played of 21 (every pairing once): the grid full of scores
  // and days, the list 21 rounds long.
  write_test_league(twenty_long_names(), 10, false);
  write_test_fixtures(twenty_long_names(), 19);
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(run_league({"publish", "--pages"}, out, err), 0) << err.str();

  const std::vector<std::string> pages{"league-fixtures.html", "league-grid.html",
                                       "league-team-wolverhampton-wanderers-fc.html"};
  for (const std::string& page : pages) {
    std::string html = *read_whole_file(page);
    html.insert(html.rfind("</body>"), kPagesProbe);
    write_test_file("probe.html", html);
    for (const int width : {390, 1200}) {
      SCOPED_TRACE(page + " at " + std::to_string(width) + " px");
      run_browser(chromium, "--window-size=" + std::to_string(width) + ",900 --dump-dom",
                  "probe.html", "probe.txt");
      const std::string dom = *read_whole_file("probe.txt");
      EXPECT_EQ(probed(dom, "page"), "0") << "the page scrolls sideways";
      // Only the grid may scroll inside its box, and only on a phone, with
      // the home teams' names kept in sight.
      const bool grid = page == "league-grid.html";
      if (!grid || width == 1200) {
        EXPECT_EQ(probed(dom, "box"), "0") << "a table scrolls";
      }
      if (grid) {
        EXPECT_EQ(probed(dom, "names"), "0") << "home teams out of sight";
      }
    }
  }
  // On paper: the grid on one A4 sheet turned sideways, a team's page of a
  // season's first half on one, the 21 rounds of fixtures on a few.
  EXPECT_EQ(printed_sheets(chromium, "league-grid.html"), 1u);
  EXPECT_EQ(printed_sheets(chromium, pages[2]), 1u);
  const std::size_t sheets = printed_sheets(chromium, "league-fixtures.html");
  EXPECT_GE(sheets, 2u);
  EXPECT_LE(sheets, 7u);
}

}  // namespace
}  // namespace league
