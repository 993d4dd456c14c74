// league publish of a league with fixtures.txt: the last round's results, the
// postponed matches and the next round on the page and in the JSON, and the
// fixtures as a calendar written with them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "common/io/whole_file.h"
#include "league/app/run_league.h"
#include "league/publish/publish_html.h"
#include "league/publish/publish_json.h"
#include "league/publish/publish_test_league.h"
#include "tests/support/scratch_dir.h"

namespace league {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kTeams{"Lions", "Tigers", "Bears_&_Co", "Wolves"};

int run(const std::vector<std::string>& args, std::string& err) {
  std::ostringstream out;
  std::ostringstream err_stream;
  const int status = run_league(args, out, err_stream);
  err = err_stream.str();
  return status;
}

TEST(PublishFixtures, ResultsPostponedAndNextOnThePageAndInTheJson) {
  testing::ScratchWorkDir folder("publish_fixtures_test");
  write_test_league(kTeams, 2, false);
  std::string err;
  ASSERT_EQ(run({"publish", "--json", "standings.json"}, err), 0) << err;
  // Without fixtures.txt: the last round's results alone.
  auto json = nlohmann::json::parse(*read_whole_file("standings.json"));
  ASSERT_EQ(json["results"].size(), 2u);
  EXPECT_EQ(json["results"][0].size(), 4u);
  EXPECT_TRUE(json["postponed"].empty());
  EXPECT_TRUE(json["next_fixtures"].empty());
  EXPECT_EQ(read_whole_file("league.html")->find("id=\"next\""), std::string::npos);

  write_test_fixtures(kTeams, 2);
  ASSERT_EQ(run({"publish", "--json", "standings.json"}, err), 0) << err;
  json = nlohmann::json::parse(*read_whole_file("standings.json"));
  const auto& last = json["results"][1];
  // The JSON gives the names as written; history keeps the tools' form.
  const auto stored = [](std::string name) {
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
  };
  const std::string result = stored(last["home"].get<std::string>()) + " " +
                             std::to_string(last["home_goals"].get<int>()) + " - " +
                             std::to_string(last["away_goals"].get<int>()) + " " +
                             stored(last["away"].get<std::string>());
  EXPECT_NE(read_whole_file("history/2/results.txt")->find(result), std::string::npos) << result;
  // Round 2's first match was played the wrong way round: postponed.
  ASSERT_EQ(json["postponed"].size(), 1u);
  EXPECT_EQ(json["postponed"][0]["round"], 2);
  EXPECT_EQ(json["postponed"][0]["date"], "2026-09-02");
  ASSERT_EQ(json["next_fixtures"].size(), 2u);
  EXPECT_EQ(json["next_fixtures"][0]["round"], 3);
  EXPECT_EQ(json["next_fixtures"][0]["date"], "2026-09-03");

  const std::string page = *read_whole_file("league.html");
  for (const char* part : {"<h2>Round 2 results</h2>", "id=\"postponed\"",
                           "<h2>Next: round 3 &middot; <time datetime=\"2026-09-03\">"})
    EXPECT_NE(page.find(part), std::string::npos) << part;
  EXPECT_NE(page.find("Bears &amp; Co"), std::string::npos);
  EXPECT_EQ(page.find("& Co"), std::string::npos);
  EXPECT_EQ(page.find("&_Co"), std::string::npos);
}

TEST(PublishFixtures, TheCalendarIsWrittenWithThePageAndKeepsItsEvents) {
  testing::ScratchWorkDir folder("publish_fixtures_test");
  write_test_league(kTeams, 2, false);
  std::string err;
  EXPECT_EQ(run({"publish", "--json", "s.json", "--ics", "fixtures.ics"}, err), 1);
  EXPECT_EQ(err,
            "fixtures.txt: missing; --ics writes its fixtures as a calendar (league fixtures "
            "draws them)\n");
  EXPECT_FALSE(fs::exists("league.html") || fs::exists("s.json") || fs::exists("fixtures.ics"));

  write_test_fixtures(kTeams, 2);
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"--ics", "fixtures.txt"},
                                             {"--ics", "history/2/x.ics"},
                                             {"--ics", "league.html"},
                                             {"--json", "a", "--ics", "a"}}) {
    std::vector<std::string> command{"publish"};
    command.insert(command.end(), args.begin(), args.end());
    EXPECT_EQ(run(command, err), 1) << args.back();
    EXPECT_EQ(err.rfind(args.back() + ": ", 0), 0u) << err;
  }
  EXPECT_FALSE(fs::exists("league.html") || fs::exists("a"));

  ASSERT_EQ(run({"name", "Sunday League"}, err), 0) << err;
  ASSERT_EQ(run({"publish", "--ics", "fixtures.ics"}, err), 0) << err;
  const std::string calendar = *read_whole_file("fixtures.ics");
  EXPECT_TRUE(fs::exists("league.html"));
  EXPECT_NE(calendar.find("\r\nX-WR-CALNAME:Sunday League\r\n"), std::string::npos);
  EXPECT_EQ(calendar.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
  std::size_t events = 0;
  for (auto at = calendar.find("BEGIN:VEVENT"); at != std::string::npos;
       at = calendar.find("BEGIN:VEVENT", at + 1))
    ++events;
  EXPECT_EQ(events, 8u);  // four rounds of two
  // A played fixture shows its score.
  const auto results = *read_whole_file("history/1/results.txt");
  const std::string first = results.substr(0, results.find('\n'));
  std::istringstream words(first);
  std::string home, home_goals, dash, away_goals, away;
  words >> home >> home_goals >> dash >> away_goals >> away;
  EXPECT_NE(calendar.find("SUMMARY:" + home + " " + home_goals + " - " + away_goals + " " + away),
            std::string::npos)
      << calendar;

  // The same teams in another order give every event the same UID.
  write_test_league({"Wolves", "Bears_&_Co", "Tigers", "Lions"}, 1, false);
  ASSERT_EQ(run({"publish", "--ics", "again.ics"}, err), 0) << err;
  const auto uid = [](const std::string& text) {
    const auto at = text.find("UID:");
    return text.substr(at, text.find('\r', at) - at);
  };
  EXPECT_EQ(uid(*read_whole_file("again.ics")), uid(calendar));
}

}  // namespace
}  // namespace league
