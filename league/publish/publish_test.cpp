#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "common/io/whole_file.h"
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
  EXPECT_EQ(err, "site/page.html: cannot be written\n");
  EXPECT_FALSE(fs::exists("standings.json"));

  fs::create_directory("site");
  ASSERT_EQ(run({"publish", "--out", "site/page.html", "--json", "standings.json"}, out, err), 0);
  EXPECT_NE(read_whole_file("standings.json")->find("\"order\""), std::string::npos);
  EXPECT_NE(read_whole_file("site/page.html")->find("<polyline"), std::string::npos);
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
