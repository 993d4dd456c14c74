// Renders the published page of a twenty-team league in headless Chromium and
// checks the document the browser built: the teams in table order, the chart
// with a line of a point per round for every team. The screenshot it takes
// stays in the build tree's test outputs for people to look at. Skipped when
// the browser is not installed (Debian package chromium-headless-shell), unless
// LEAGUE_REQUIRE_BROWSER is set; LEAGUE_BROWSER names another binary to use.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

#include "common/io/whole_file.h"
#include "common/table/table_file.h"
#include "league/publish_test_league.h"
#include "league/run_league.h"
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

TEST(PublishInBrowser, TeamsStandInTableOrderAndTheChartIsDrawn) {
  const std::string chromium = browser();
  if (chromium.empty()) {
    // CI installs the browser and sets this, so that there the test cannot pass unrun.
    if (std::getenv("LEAGUE_REQUIRE_BROWSER")) FAIL() << "chromium-headless-shell is not installed";
    GTEST_SKIP() << "chromium-headless-shell is not installed";
  }

  const fs::path output = PUBLISH_TEST_OUTPUT;
  fs::create_directories(output);
  const fs::path screenshot = output / "league.png";
  fs::remove(screenshot);

  testing::ScratchWorkDir folder("publish_browser_test");
  constexpr int kRounds = 8;
  write_test_league(twenty_test_teams(), kRounds, true);
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(run_league({"publish"}, out, err), 0) << err.str();

  // One render gives both the document and the screenshot. The browser runs
  // as root here, so without its sandbox, and with a profile of its own.
  const std::string command =
      "timeout 60 '" + chromium +
      "' --headless --no-sandbox --disable-gpu --disable-background-networking"
      " --disable-component-update --disable-sync --no-first-run --hide-scrollbars"
      " --user-data-dir='" +
      (folder.path() / "profile").string() + "' --window-size=1000,1400 --screenshot='" +
      screenshot.string() + "' --dump-dom 'file://" + (folder.path() / "league.html").string() +
      "' > dom.html 2> browser.log";
  ASSERT_EQ(std::system(command.c_str()), 0) << *read_whole_file("browser.log");
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

}  // namespace
}  // namespace league
