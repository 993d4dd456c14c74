// Plays twelve rounds of a dated double round-robin of ten teams with a
// rearranged, a brought-forward, an awarded and a reversed result, and checks
// that status, the page and the JSON give the rounds of fixtures.txt and the
// fixtures' dates all along, and that undo takes back each new kind of entry.
#include <gtest/gtest.h>

#include <ctime>
#include <map>
#include <regex>
#include <sstream>

#include "tests/support/case_run.h"

namespace league::testing {
namespace {

namespace fs = std::filesystem;

// Runs league in `dir` on the day `today`; standard error joined to the output.
ToolOutcome league(const fs::path& dir, const std::string& today,
                   const std::vector<std::string>& args) {
  ToolRun run;
  run.program = "/bin/sh";
  run.args = {"-c", "exec \"$0\" \"$@\" 2>&1", (fs::path(TOOLS_DIR) / "league").string()};
  run.args.insert(run.args.end(), args.begin(), args.end());
  run.directory = dir;
  run.env = {"LEAGUE_TODAY=" + today};
  return run_tool(run);
}

bool says(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

using Round = FixtureRoundText;

std::string reversed(const std::string& fixture) {
  const std::size_t dash = fixture.find(" - ");
  return fixture.substr(dash + 3) + " - " + fixture.substr(0, dash);
}

std::string result(const std::string& fixture, int home, int away) {
  const std::size_t dash = fixture.find(" - ");
  return fixture.substr(0, dash) + " " + std::to_string(home) + " - " + std::to_string(away) + " " +
         fixture.substr(dash + 3) + "\n";
}

// The date `days` days after a YYYY-MM-DD date.
std::string plus_days(const std::string& date, int days) {
  std::tm day{};
  day.tm_year = std::stoi(date.substr(0, 4)) - 1900;
  day.tm_mon = std::stoi(date.substr(5, 2)) - 1;
  day.tm_mday = std::stoi(date.substr(8, 2)) + days;
  day.tm_hour = 12;
  std::mktime(&day);
  char text[11];
  std::strftime(text, sizeof text, "%Y-%m-%d", &day);
  return text;
}

class DatedSeason : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::vector<std::string> teams{"Ashford", "Brackley", "Carrow",  "Dunmore", "Elmfield",
                                         "Fenwick", "Glenvale", "Harwood", "Kestrel", "Lowther"};
    std::vector<std::string> args{"new"};
    args.insert(args.end(), teams.begin(), teams.end());
    ASSERT_EQ(league(path(), "2027-01-01", args).status, 0);
    ASSERT_EQ(run({"fixtures", "--double", "--seed", "7", "--start", "2027-01-02"}).status, 0);
    // Every round kicks off at 14:30.
    const std::string drawn = read_file(path() / "fixtures.txt");
    write_file(path() / "fixtures.txt",
               std::regex_replace(drawn, std::regex("(Round [0-9]+ [0-9-]+)\n"), "$1 14:30\n"));
    rounds = fixture_rounds(read_file(path() / "fixtures.txt"));
    ASSERT_EQ(rounds.size(), 18u);
  }

  fs::path path() const { return dir.path(); }

  ToolOutcome run(const std::vector<std::string>& args) { return league(path(), today, args); }

  // Applies these results on `today`; the output of league round.
  std::string play(const std::string& results, const std::vector<std::string>& options = {}) {
    write_file(path() / "results.txt", results);
    std::vector<std::string> args{"round"};
    args.insert(args.end(), options.begin(), options.end());
    const ToolOutcome played = run(args);
    EXPECT_EQ(played.status, 0) << played.output;
    return played.output;
  }

  // Status, page and JSON all say the season is after `round` of fixtures.txt,
  // its latest result on `latest`.
  void expect_after(int round, const std::string& latest) {
    SCOPED_TRACE("after round " + std::to_string(round));
    const ToolOutcome status = run({"status"});
    EXPECT_TRUE(says(status.output, "Current round: " + std::to_string(round) + ";"))
        << status.output;
    ASSERT_EQ(run({"publish", "--out", "page.html", "--json", "page.json"}).status, 0);
    const std::string page = read_file(path() / "page.html");
    EXPECT_TRUE(says(page, "After round <strong id=\"round\">" + std::to_string(round) + "<"));
    EXPECT_TRUE(says(page, "<time datetime=\"" + latest + "\">")) << latest;
    const std::string json = read_file(path() / "page.json");
    EXPECT_TRUE(says(json, "\"round\": " + std::to_string(round) + ",")) << json.substr(0, 200);
    EXPECT_TRUE(says(json, "\"latest_result_date\": \"" + latest + "\""));
  }

  ScratchDir dir{"league-dated-season"};
  std::string today = "2027-01-01";
  std::map<int, Round> rounds;
};

TEST_F(DatedSeason, TwelveRoundsKeepTheFixturesRoundsAndDatesThroughEveryRescheduling) {
  const std::string rearranged = rounds[3].fixtures[0];
  const std::string early = rounds[15].fixtures[0];  // its reverse is in round 6
  const std::string turned = rounds[7].fixtures[1];  // typed the wrong way round
  const std::string awarded = rounds[9].fixtures[2];
  const std::string midweek = plus_days(rounds[4].date, 4);
  int turned_back = 0;  // the round of the reverse of `turned`
  for (const auto& [number, round] : rounds) {
    for (const std::string& fixture : round.fixtures) {
      if (fixture == reversed(turned)) turned_back = number;
    }
  }
  ASSERT_GT(turned_back, 8);
  ASSERT_EQ(run({"publish", "--ics", "before.ics"}).status, 0);

  for (int week = 1; week <= 12; ++week) {
    SCOPED_TRACE("week " + std::to_string(week));
    const Round& round = rounds[week];
    today = plus_days(round.date, -1);
    std::string results;
    for (const std::string& fixture : round.fixtures) {
      if (fixture == rearranged || fixture == awarded || fixture == reversed(turned)) continue;
      results += result(fixture == turned ? reversed(fixture) : fixture, week % 3, 1);
    }
    if (week == 3) {
      const ToolOutcome put_off = run({"fixtures", "postpone", "Ashford", "Ashford"});
      EXPECT_NE(put_off.status, 0);
      const std::size_t dash = rearranged.find(" - ");
      const ToolOutcome postponed =
          run({"fixtures", "postpone", rearranged.substr(0, dash), rearranged.substr(dash + 3)});
      ASSERT_EQ(postponed.status, 0) << postponed.output;
      EXPECT_EQ(postponed.output, rearranged + " (round 3) postponed, without a new date; " +
                                      "fixtures.txt changed.\n");
    }
    if (week == 5) results += result(early, 2, 2);
    if (week == 8) results += result(turned, 0, 0);
    today = plus_days(round.date, 1);
    if (week == 7) {
      write_file(path() / "results.txt", results);
      const ToolOutcome refused = run({"round"});
      EXPECT_EQ(refused.status, 1);
      EXPECT_TRUE(says(refused.output, reversed(turned) + " is a fixture of round " +
                                           std::to_string(turned_back) + ", but " + turned +
                                           " is due (round 7)"))
          << refused.output;
      EXPECT_FALSE(fs::exists(path() / "history" / "8"));
      EXPECT_TRUE(says(play(results, {"--brought-forward"}), "Round 7: 5 results applied"));
    } else {
      const std::string said = play(results);
      EXPECT_TRUE(says(said, "Round " + std::to_string(week) + ": ")) << said;
      if (week == 5) {
        EXPECT_TRUE(says(said, early + ": brought forward from round 15")) << said;
      }
    }
    if (week == 3) {
      const std::string status = run({"status"}).output;
      EXPECT_TRUE(says(status, "  " + rearranged + " (round 3, postponed)")) << status;
    }
    if (week == 4) {
      // Rearranged to the Wednesday after round 4, then played that evening.
      const std::size_t dash = rearranged.find(" - ");
      const ToolOutcome moved = run({"fixtures", "move", rearranged.substr(0, dash),
                                     rearranged.substr(dash + 3), midweek, "19:45"});
      ASSERT_EQ(moved.status, 0) << moved.output;
      const std::string status = run({"status"}).output;
      EXPECT_TRUE(says(status, "  " + rearranged + " (round 3, rearranged, " + midweek + " 19:45)"))
          << status;
      expect_after(4, round.date);
      today = plus_days(midweek, 1);
      EXPECT_TRUE(
          says(play(result(rearranged, 1, 0)), rearranged + " (round 3, rearranged): applied"));
      expect_after(4, midweek);
      continue;
    }
    if (week == 9) {
      const std::size_t dash = awarded.find(" - ");
      const ToolOutcome award = run({"award", awarded.substr(0, dash), awarded.substr(dash + 3),
                                     "3-0", "--reason", "fielded an ineligible player"});
      ASSERT_EQ(award.status, 0) << award.output;
      EXPECT_TRUE(says(award.output, awarded + " (round 9, awarded): applied to")) << award.output;
      const std::string status = run({"status"}).output;
      EXPECT_TRUE(says(status, "(" + round.date + ", awarded: fielded an ineligible player)"))
          << status;
      ASSERT_EQ(run({"publish", "--out", "page.html", "--json", "page.json"}).status, 0);
      EXPECT_TRUE(says(read_file(path() / "page.html"), "awarded: fielded an ineligible player"));
      EXPECT_TRUE(
          says(read_file(path() / "page.json"), "\"reason\": \"fielded an ineligible player\""));
    }
    expect_after(week, round.date);
  }

  // The calendar keeps every event's UID across the rescheduling.
  ASSERT_EQ(run({"publish", "--ics", "after.ics"}).status, 0);
  const auto uids = [](const std::string& ics) {
    std::vector<std::string> found;
    const std::regex uid("UID:([^\r]*)\r");
    for (std::sregex_iterator at(ics.begin(), ics.end(), uid), end; at != end; ++at)
      found.push_back((*at)[1]);
    return found;
  };
  EXPECT_EQ(uids(read_file(path() / "after.ics")), uids(read_file(path() / "before.ics")));
  // Postponed, then rearranged: two changes of its day.
  const std::string ics = read_file(path() / "after.ics");
  EXPECT_TRUE(says(ics, "SEQUENCE:2\r\n"));
  EXPECT_TRUE(says(ics, "DESCRIPTION:Round 3\\, rearranged\r\n")) << ics.substr(0, 2000);
  EXPECT_TRUE(says(ics, "DESCRIPTION:Round 9\\, awarded: fielded an ineligible player\r\n"));
  EXPECT_TRUE(says(read_file(path() / "after.ics"),
                   midweek.substr(0, 4) + midweek.substr(5, 2) + midweek.substr(8, 2)));

  // Undo names the entries as the fixtures do, and takes back an award
  // without touching results.txt, and a fixture change.
  const std::string typed = read_file(path() / "results.txt");
  EXPECT_TRUE(says(run({"undo"}).output, "Round 12 undone"));
  for (int week = 11; week > 9; --week) ASSERT_EQ(run({"undo"}).status, 0);
  write_file(path() / "results.txt", typed);
  const ToolOutcome award_undone = run({"undo"});
  EXPECT_TRUE(says(award_undone.output, "The award of " + awarded + " (round 9, awarded) undone"))
      << award_undone.output;
  EXPECT_EQ(read_file(path() / "results.txt"), typed);
}

TEST_F(DatedSeason, AFixtureChangeIsUndoneBeforeTheRoundItFollowed) {
  const std::string fixture = rounds[2].fixtures[0];
  const std::string before = read_file(path() / "fixtures.txt");
  std::string results;
  for (const std::string& one : rounds[1].fixtures) results += result(one, 1, 0);
  play(results);
  const std::size_t dash = fixture.find(" - ");
  ASSERT_EQ(
      run({"fixtures", "move", fixture.substr(0, dash), fixture.substr(dash + 3), "2027-01-13"})
          .status,
      0);
  EXPECT_TRUE(says(read_file(path() / "fixtures.txt"), fixture + " 2027-01-13\n"));
  const ToolOutcome undone = run({"undo"});
  EXPECT_EQ(undone.output, "The change of " + fixture +
                               " moved to 2027-01-13 undone: fixtures.txt is back as before it.\n");
  EXPECT_EQ(read_file(path() / "fixtures.txt"), before);
  EXPECT_TRUE(says(run({"undo"}).output, "Round 1 undone"));
  const ToolOutcome bad_day =
      run({"fixtures", "move", fixture.substr(0, dash), fixture.substr(dash + 3), "2027-02-30"});
  EXPECT_EQ(bad_day.output,
            "league fixtures move: 2027-02-30 is not a date: February 2027 has 28 days; nothing "
            "changed\n");
}

}  // namespace
}  // namespace league::testing
