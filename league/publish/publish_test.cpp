#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "common/io/whole_file.h"
#include "common/table/table_file.h"
#include "league/app/run_league.h"
#include "league/publish/publish_test_league.h"
#include "tests/support/scratch_dir.h"

namespace league {
namespace {

namespace fs = std::filesystem;

int run(const std::vector<std::string>& args, std::string& out, std::string& err) {
  std::ostringstream out_stream;
  std::ostringstream err_stream;
  const int status = run_league(args, out_stream, err_stream);
  out = out_stream.str();
  err = err_stream.str();
  return status;
}

TEST(LeaguePublish, WritesThePageAndTheJsonOnlyWhenAsked) {
  testing::ScratchWorkDir folder("publish_test");
  write_test_league({"Lions", "Tigers"}, 2, false);
  std::string out;
  std::string err;
  ASSERT_EQ(run({"publish"}, out, err), 0) << err;
  EXPECT_EQ(out, "Wrote league.html (2 teams, after round 2)\n");
  EXPECT_TRUE(fs::exists("league.html"));
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 4);

  ASSERT_EQ(run({"publish", "--out", "site/page.html", "--json", "standings.json"}, out, err), 1);
  EXPECT_EQ(err,
            "site/page.html: cannot be written: the folder site does not exist; create it first\n");
  EXPECT_FALSE(fs::exists("standings.json"));

  fs::create_directory("site");
  ASSERT_EQ(run({"publish", "--out", "site/page.html", "--json", "standings.json"}, out, err), 0);
  EXPECT_NE(read_whole_file("standings.json")->find("\"order\""), std::string::npos);
  EXPECT_NE(read_whole_file("site/page.html")->find("<polyline"), std::string::npos);
}

// The test league's writer keeps each round's table in history/ as it
// computed it, apart from the replay that --after goes through.
TEST(LeaguePublish, AfterARoundShowsTheTableThatRoundLeftAndRefusesOthers) {
  testing::ScratchWorkDir folder("publish_test");
  write_test_league({"Lions", "Tigers", "Bears", "Wolves"}, 3, false);
  std::string out;
  std::string err;
  ASSERT_EQ(run({"publish", "--after", "2"}, out, err), 0) << err;
  EXPECT_EQ(out, "Wrote league-after-2.html (4 teams, after round 2)\n");
  const std::string page = *read_whole_file("league-after-2.html");
  std::vector<std::string> rows;
  for (auto at = page.find("<tr data-team=\""); at != std::string::npos;
       at = page.find("<tr data-team=\"", at + 1))
    rows.push_back(page.substr(at + 15, page.find('"', at + 15) - at - 15));
  std::vector<std::string> kept;
  for (const TableEntry& entry :
       read_league_table(*read_whole_file("history/2/after/table.txt"), "table").rows)
    kept.push_back(entry.Team);
  EXPECT_EQ(rows, kept);
  EXPECT_NE(page.find("after round 2</title>"), std::string::npos);
  EXPECT_NE(page.find(", round 2: position"), std::string::npos);
  EXPECT_EQ(page.find(", round 3: position"), std::string::npos);

  for (const char* round : {"0", "4"}) {
    EXPECT_EQ(run({"publish", "--after", round}, out, err), 1);
    EXPECT_EQ(err, "league publish --after: no round " + std::string(round) +
                       " to show: the rounds complete so far are 1 to 3\n");
  }
}

TEST(LeaguePublish, RefusesToWriteOverAFileTheLeagueKeeps) {
  testing::ScratchWorkDir folder("publish_test");
  write_test_league({"Lions", "Tigers"}, 1, true);
  const auto before = read_whole_file("table.txt");
  std::string out;
  std::string err;
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"publish", "--out", "table.txt"},
                                             {"publish", "--json", "./form.txt"},
                                             {"publish", "--out", "history/1/applied"},
                                             {"publish", "--out", "LIO.txt"},
                                             {"publish", "--out", "fixtures.txt"},
                                             {"publish", "--out", "a.html", "--json", "a.html"}}) {
    EXPECT_EQ(run(args, out, err), 1) << args.back();
    EXPECT_NE(err.find(args.back() + ": "), std::string::npos) << err;
  }
  EXPECT_EQ(read_whole_file("table.txt"), before);
  EXPECT_FALSE(fs::exists("a.html"));
}

TEST(LeaguePublish, ReplacesOnlyFilesItWroteUnlessForced) {
  testing::ScratchWorkDir folder("publish_test");
  const std::vector<std::string> teams{"Lions", "Tigers", "Bears", "Wolves"};
  write_test_league(teams, 2, false);
  write_test_fixtures(teams, 2);
  // A roster teams.dir does not list, a team sheet, the players' list.
  const std::vector<std::string> others{"ACA.txt", "LIOsht.txt", "all_plrs.txt"};
  for (const std::string& file : others) write_test_file(file, "Name Age Nat\n---- --- ---\n");
  std::string out;
  std::string err;
  for (const std::string& file : others) {
    for (const char* option : {"--out", "--json", "--ics"}) {
      EXPECT_EQ(run({"publish", option, file}, out, err), 1) << option << " " << file;
      EXPECT_EQ(err, file +
                         ": exists and is no page, JSON or calendar that league publish wrote; "
                         "publish to another name, or add --force to replace it\n");
    }
    EXPECT_EQ(read_whole_file(file), "Name Age Nat\n---- --- ---\n");
  }
  EXPECT_FALSE(fs::exists("league.html"));

  // Its own outputs, of this or an earlier version, it replaces.
  const std::vector<std::string> outputs{"--out", "p.html", "--json", "s.json", "--ics", "c.ics"};
  std::vector<std::string> args{"publish"};
  args.insert(args.end(), outputs.begin(), outputs.end());
  ASSERT_EQ(run(args, out, err), 0) << err;
  ASSERT_EQ(run(args, out, err), 0) << err;
  write_test_file("old.html",
                  "<!DOCTYPE html>\n<footer>Published with <code>league "
                  "publish</code>.</footer>\n");
  ASSERT_EQ(run({"publish", "--out", "old.html"}, out, err), 0) << err;

  ASSERT_EQ(run({"publish", "--out", "all_plrs.txt", "--force"}, out, err), 0) << err;
  EXPECT_NE(read_whole_file("all_plrs.txt")->find("<polyline"), std::string::npos);
  // --force never reaches the files the league keeps.
  EXPECT_EQ(run({"publish", "--out", "table.txt", "--force"}, out, err), 1);
}

TEST(LeaguePublish, RemovesWhatAKilledRunLeftInTheOutputFolder) {
  testing::ScratchWorkDir folder("publish_test");
  write_test_league({"Lions", "Tigers"}, 2, false);
  fs::create_directory("site");
  write_test_file("site/.tmp-12345", "<!DOCTYPE html>\n");
  std::string out;
  std::string err;
  ASSERT_EQ(run({"publish", "--out", "site/index.html"}, out, err), 0) << err;
  EXPECT_EQ(out,
            "Removed site/.tmp-12345, a temporary file that an interrupted run left behind.\n"
            "Wrote site/index.html (2 teams, after round 2)\n");
  EXPECT_EQ(std::distance(fs::directory_iterator("site"), fs::directory_iterator()), 1);
}

TEST(LeaguePublish, ShowsTheNameAndTheAdjustmentsThatLeagueKeeps) {
  testing::ScratchWorkDir folder("publish_test");
  write_test_league({"Lions", "Tigers"}, 2, false);
  std::string out;
  std::string err;
  ASSERT_EQ(run({"name", "Sunday League"}, out, err), 0) << err;
  ASSERT_EQ(run({"adjust", "Tigers", "-3", "--reason", "late kick-off"}, out, err), 0) << err;
  ASSERT_EQ(run({"publish", "--json", "standings.json"}, out, err), 0) << err;
  const auto json = nlohmann::json::parse(*read_whole_file("standings.json"));
  EXPECT_EQ(json["league"], "Sunday League");
  ASSERT_EQ(json["adjustments"].size(), 1u);
  EXPECT_EQ(json["adjustments"][0]["team"], "Tigers");
  EXPECT_EQ(json["adjustments"][0]["points"], -3);
  EXPECT_EQ(json["adjustments"][0]["reason"], "late kick-off");
  EXPECT_NE(read_whole_file("league.html")->find("<h1>Sunday League</h1>"), std::string::npos);

  // Undone, the adjustment leaves the page; a damaged one stops the command.
  ASSERT_EQ(run({"undo"}, out, err), 0) << err;
  ASSERT_EQ(run({"adjust", "Lions", "+1", "--reason", "walkover"}, out, err), 0) << err;
  write_test_file("history/2/adjustments/1/adjustment", "team Lions\npoints one\n");
  EXPECT_EQ(run({"publish"}, out, err), 1);
  EXPECT_EQ(err, "history/2/adjustments/1/adjustment:2: \"one\" is not a whole number of points\n");
}

TEST(LeaguePublish, MissingTableWritesNothing) {
  testing::ScratchWorkDir folder("publish_test");
  std::string out;
  std::string err;
  EXPECT_EQ(run({"publish", "--json", "standings.json"}, out, err), 1);
  EXPECT_EQ(err, "table.txt: cannot be opened\n");
  EXPECT_TRUE(fs::is_empty("."));
}

}  // namespace
}  // namespace league
