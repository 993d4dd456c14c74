// league publish of a league with fixtures.txt: the last round's results, the
// postponed matches and the next round on the page and in the JSON, and the
// fixtures as a calendar written with them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
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

std::string python() {
  return fs::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
}

// A league of ten clubs started and drawn under London's clock: two rounds a
// month from 2027-08-07 at 14:30, every club with a ground.
void start_ten_club_season() {
  std::string err;
  std::vector<std::string> teams{"new", "--name", "Ten"};
  for (char team = 'A'; team <= 'J'; ++team) teams.push_back(std::string("Club_") + team);
  ASSERT_EQ(run(teams, err), 0) << err;
  ASSERT_EQ(run({"fixtures", "--double", "--seed", "3", "--start", "2027-08-07", "--every", "14",
                 "--time", "14:30"},
                err),
            0)
      << err;
  ASSERT_EQ(run({"ground", "Club_A", "Mill Lane", "--address", "Mill Road, Ayton"}, err), 0) << err;
  for (char team = 'B'; team <= 'J'; ++team)
    ASSERT_EQ(run({"ground", std::string("Club_") + team, std::string("Park ") + team}, err), 0);
}

// fixtures.ics (and s.json) published with the computer's zone set to each
// of `zones`, the calendar's DTSTAMP lines left out, by zone.
void publish_in_zones(std::initializer_list<const char*> zones,
                      std::map<std::string, std::string>& calendars) {
  std::string err;
  for (const char* zone : zones) {
    setenv("TZ", zone, 1);
    ASSERT_EQ(run({"publish", "--json", "s.json", "--ics", "fixtures.ics"}, err), 0) << err;
    std::string text = *read_whole_file("fixtures.ics");
    for (auto at = text.find("DTSTAMP:"); at != std::string::npos; at = text.find("DTSTAMP:", at))
      text.erase(at, text.find('\n', at) + 1 - at);
    calendars[zone] = text;
  }
}

// fixtures.ics as the Python iCalendar parser reads it: every event's UID of
// the season, its start 14:30 London time as UTC, its home team's ground.
void expect_parsed_calendar() {
  ASSERT_EQ(
      std::system(
          (python() + " '" + CALENDAR_CHECK_SCRIPT + "' fixtures.ics > read.txt 2>&1").c_str()),
      0)
      << *read_whole_file("read.txt");
  std::istringstream lines(*read_whole_file("read.txt"));
  std::string line;
  std::getline(lines, line);
  std::size_t events = 0;
  std::size_t located = 0;
  const std::string season = *read_whole_file("history/season");
  for (; std::getline(lines, line); ++events) {
    // UID | SUMMARY | DTSTART | DTEND | DESCRIPTION [| LOCATION]
    std::vector<std::string> fields;
    for (std::size_t at = 0;;) {
      const std::size_t bar = line.find(" | ", at);
      fields.push_back(line.substr(at, bar - at));
      if (bar == std::string::npos) break;
      at = bar + 3;
    }
    ASSERT_GE(fields.size(), 5u) << line;
    EXPECT_NE(fields[0].find(season.substr(0, 16)), std::string::npos) << line;
    const std::string day = fields[2].substr(0, 10);
    // London keeps summer time from 2027-03-28 to 2027-10-31, and from 2028-03-26.
    const bool summer = day < "2027-10-31" || day >= "2028-03-26";
    EXPECT_EQ(fields[2].substr(10), summer ? "T13:30:00+00:00" : "T14:30:00+00:00") << line;
    ASSERT_EQ(fields.size(), 6u) << line;
    const char home = fields[1][5];
    EXPECT_EQ(fields[5], home == 'A' ? "Mill Lane, Mill Road, Ayton" : std::string("Park ") + home);
    located += home == 'A' ? 1 : 0;
  }
  EXPECT_EQ(events, 90u);
  EXPECT_EQ(located, 9u);
}

// The calendar of a league whose clock is London's, published on computers set
// to UTC and to New York: the same file (DTSTAMP aside), a real iCalendar
// parser reading 14:30 London time as 13:30Z in summer and 14:30Z in winter on
// both sides of the October and the March change.
TEST(PublishFixtures, TheCalendarGivesTheSameInstantsWhateverTheComputersZone) {
  if (!fs::exists("/usr/share/zoneinfo/Europe/London") ||
      !fs::exists("/usr/share/zoneinfo/America/New_York"))
    GTEST_SKIP() << "no zone database";
  if (std::system((python() + " -c 'import icalendar' 2>/dev/null").c_str()) != 0) {
    if (std::getenv("LEAGUE_REQUIRE_ICALENDAR")) FAIL() << "python3-icalendar is not installed";
    GTEST_SKIP() << "python3-icalendar is not installed";
  }
  testing::ScratchWorkDir folder("publish_fixtures_test");
  const char* was = std::getenv("TZ");
  const std::string old_tz = was ? was : "";
  setenv("TZ", "Europe/London", 1);
  start_ten_club_season();
  std::map<std::string, std::string> calendars;
  if (!HasFatalFailure()) publish_in_zones({"UTC", "America/New_York"}, calendars);
  if (was)
    setenv("TZ", old_tz.c_str(), 1);
  else
    unsetenv("TZ");
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(calendars["UTC"], calendars["America/New_York"]);

  expect_parsed_calendar();
  const std::string first = calendars["UTC"];
  EXPECT_NE(first.find("X-WR-TIMEZONE:Europe/London"), std::string::npos);
  EXPECT_NE(first.find("SEQUENCE:0"), std::string::npos);
  // The page and the JSON show where the next fixtures are played.
  const auto json = nlohmann::json::parse(*read_whole_file("s.json"));
  const auto& next = json["next_fixtures"][0];
  const char home = next["home"].get<std::string>().back();
  EXPECT_EQ(next["venue"]["name"], home == 'A' ? "Mill Lane" : std::string("Park ") + home);
  EXPECT_NE(read_whole_file("league.html")->find(next["venue"]["name"].get<std::string>()),
            std::string::npos);
}

TEST(PublishFixtures, ACalendarOverItsLimitIsRefusedWithNothingWritten) {
  testing::ScratchWorkDir folder("publish_fixtures_test");
  // 634 teams: 200,661 matches in one round robin, just over the limit.
  std::vector<std::string> command{"new"};
  for (int team = 0; team < 634; ++team) command.push_back(std::to_string(team) + "T");
  std::string err;
  ASSERT_EQ(run(command, err), 0) << err;
  ASSERT_EQ(run({"fixtures", "--seed", "1", "--start", "2027-08-07"}, err), 0) << err;
  EXPECT_EQ(run({"publish", "--ics", "fixtures.ics"}, err), 1);
  EXPECT_EQ(err,
            "fixtures.ics: fixtures.txt has 200661 fixtures with a date, more than a calendar "
            "takes (at most 200000 events); nothing written. Publish without --ics\n");
  EXPECT_FALSE(fs::exists("league.html") || fs::exists("fixtures.ics"));
}

}  // namespace
}  // namespace league
