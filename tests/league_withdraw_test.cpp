// A club withdraws from a 10-team season played against drawn fixtures, with
// a postponed match and points adjustments. Expunged, table.txt, form.txt and
// attendances.dat must be the bytes that table_update and form_update write
// when the rounds are played from the season's start without the club; with
// its record kept, the table stays and its matches still to play are void
// everywhere. `league undo` gives back every file byte for byte.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "tests/support/case_run.h"

namespace league::testing {
namespace {

namespace fs = std::filesystem;

ToolOutcome run_in(const fs::path& dir, const std::string& program,
                   const std::vector<std::string>& args, const std::string& input = "") {
  return run_joined(dir, fs::path(TOOLS_DIR) / program, args, input);
}

ToolOutcome league(const fs::path& dir, const std::vector<std::string>& args) {
  return run_in(dir, "league", args);
}

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The lines of `text` that do not hold `word`.
std::string without(const std::string& text, const std::string& word) {
  std::istringstream in(text);
  std::string kept;
  for (std::string line; std::getline(in, line);)
    if (!has(line, word)) kept += line + "\n";
  return kept;
}

const std::vector<std::string> kTeams{"Harwood", "Ashford", "Fenwick", "Glenvale", "Marston",
                                      "Norbury", "Carrow",  "Dunmore", "Elmfield", "Brackley"};

// Each week's results: the fixtures of its round with made-up goals, but the
// first match of round 3, which is postponed and never played.
std::map<int, std::string> weeks_of(const std::string& fixtures) {
  std::map<int, std::string> weeks;
  int goals = 0;
  for (const auto& [round, text] : fixture_rounds(fixtures)) {
    std::string& week = weeks[round];
    for (std::size_t i = round == 3 ? 1 : 0; i < text.fixtures.size(); ++i) {
      const std::string& pairing = text.fixtures[i];
      const std::size_t dash = pairing.find(" - ");
      ++goals;
      week += pairing.substr(0, dash) + " " + std::to_string(goals % 4) + " - " +
              std::to_string(goals * 7 % 3) + " " + pairing.substr(dash + 3) + "\n";
    }
  }
  return weeks;
}

class WithdrawTest : public ::testing::Test {
 protected:
  // A new season of ten teams from the example league, with its fixtures;
  // `start` keeps it before the first round.
  void SetUp() override {
    fs::copy(fs::path(EXAMPLES_DIR) / "league", dir_.path(), fs::copy_options::recursive);
    for (const char* file : {"table.txt", "form.txt", "results.txt"})
      fs::remove(dir_.path() / file);
    std::vector<std::string> args{"new"};
    args.insert(args.end(), kTeams.begin(), kTeams.end());
    ASSERT_EQ(league(dir_.path(), args).status, 0);
    ASSERT_EQ(league(dir_.path(), {"fixtures", "--seed", "7", "--start", "2026-08-08"}).status, 0);
    fs::copy(dir_.path(), start_.path(), fs::copy_options::recursive);
    weeks_ = weeks_of(read_file(dir_.path() / "fixtures.txt"));
  }

  // Plays weeks 1 to `last`, with points deducted from Dunmore and Carrow after week 4.
  void play(const fs::path& dir, int last) {
    for (int week = 1; week <= last; ++week) {
      write_file(dir / "results.txt", weeks_[week]);
      const ToolOutcome played = league(dir, {"round"});
      ASSERT_EQ(played.status, 0) << played.output;
      if (week != 4) continue;
      ASSERT_EQ(league(dir, {"adjust", "Dunmore", "-3", "--reason", "ineligible"}).status, 0);
      ASSERT_EQ(league(dir, {"adjust", "Carrow", "-2", "--reason", "late"}).status, 0);
    }
  }

  ScratchDir dir_{"withdraw"};
  ScratchDir start_{"withdraw-start"};
  std::map<int, std::string> weeks_;
};

TEST_F(WithdrawTest, ExpungeLeavesTheBytesOfTheRoundsPlayedWithoutTheClub) {
  const fs::path path = dir_.path();
  play(path, 9);
  const FolderContents before = folder_contents(path);
  const ToolOutcome withdrawn =
      league(path, {"withdraw", "Carrow", "--expunge", "--reason", "folded in October"});
  ASSERT_EQ(withdrawn.status, 0) << withdrawn.output;
  EXPECT_TRUE(has(withdrawn.output, "9 fixtures of Carrow void in fixtures.txt"))
      << withdrawn.output;

  // The tools from the season's start, the club's rows and results taken out,
  // Dunmore's deduction at its place.
  const fs::path tools = start_.path();
  for (const char* file : {"table.txt", "form.txt", "attendances.dat"})
    write_file(tools / file, without(read_file(tools / file), "Carrow "));
  for (int week = 1; week <= 9; ++week) {
    write_file(tools / "results.txt", without(weeks_[week], "Carrow"));
    ASSERT_EQ(run_in(tools, "table_update", {}, "\n").status, 0);
    ASSERT_EQ(run_in(tools, "form_update", {}, "\n").status, 0);
    if (week == 4) {
      ASSERT_EQ(league(tools, {"adjust", "Dunmore", "-3", "--reason", "ineligible"}).status, 0);
    }
  }
  for (const char* file : {"table.txt", "form.txt", "attendances.dat"})
    EXPECT_EQ(read_file(path / file), read_file(tools / file)) << file;

  // Every fixture of the club stays in its place, marked void; check accepts it.
  const std::string fixtures = read_file(path / "fixtures.txt");
  EXPECT_EQ(without(fixtures, "Carrow"), without(read_file(tools / "fixtures.txt"), "Carrow"));
  EXPECT_EQ(without(fixtures, " (void)"), without(fixtures, "Carrow"));
  const ToolOutcome check = league(path, {"check"});
  EXPECT_EQ(check.status, 0) << check.output;
  EXPECT_TRUE(has(league(path, {"status"}).output, "Withdrawn:\n  Carrow withdrew on 20"));

  const ToolOutcome undone = league(path, {"undo"});
  EXPECT_EQ(undone.status, 0) << undone.output;
  EXPECT_EQ(folder_contents(path), before);
}

TEST_F(WithdrawTest, AKeptRecordStandsAndItsMatchesStillToPlayAreVoid) {
  const fs::path path = dir_.path();
  play(path, 6);
  const FolderContents before = folder_contents(path);
  const ToolOutcome refused = league(path, {"withdraw", "Carrow", "--reason", "folded"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(has(refused.output, "give one of --expunge")) << refused.output;
  const ToolOutcome withdrawn =
      league(path, {"withdraw", "Carrow", "--keep-record", "--reason", "folded"});
  ASSERT_EQ(withdrawn.status, 0) << withdrawn.output;
  EXPECT_EQ(read_file(path / "table.txt"), before.at("table.txt"));

  // Carrow plays in rounds 7 to 9: those fixtures are void, the others stay.
  const std::string fixtures = read_file(path / "fixtures.txt");
  int voided = 0;
  for (int week = 7; week <= 9; ++week) voided += has(weeks_[week], "Carrow") ? 1 : 0;
  EXPECT_EQ(without(fixtures, "Carrow"), without(before.at("fixtures.txt"), "Carrow"));
  EXPECT_EQ(fixtures.size(), before.at("fixtures.txt").size() + 7 * voided);

  const std::string status = league(path, {"status"}).output;
  EXPECT_TRUE(has(status, "Carrow withdrew on 20")) << status;
  EXPECT_FALSE(has(status.substr(status.find("Postponed:")), "Carrow")) << status;
  ASSERT_EQ(league(path, {"publish", "--json", "l.json", "--ics", "l.ics"}).status, 0);
  const std::string json = read_file(path / "l.json");
  EXPECT_TRUE(has(json, "\"record\": \"kept\"")) << json;
  EXPECT_FALSE(has(json.substr(json.find("\"postponed\"")), "Carrow"));
  EXPECT_TRUE(has(read_file(path / "league.html"), "Carrow withdrew on 20"));
  const std::string ics = read_file(path / "l.ics");
  std::size_t cancelled = 0;
  for (auto at = ics.find("STATUS:CANCELLED"); at != std::string::npos;
       at = ics.find("STATUS:CANCELLED", at + 1))
    ++cancelled;
  EXPECT_EQ(cancelled, static_cast<std::size_t>(voided));
  for (const char* file : {"l.json", "l.ics", "league.html"}) fs::remove(path / file);

  // A result against the club is refused, naming the withdrawal.
  write_file(path / "results.txt", weeks_[7]);
  const ToolOutcome round = league(path, {"round"});
  EXPECT_EQ(round.status, 1);
  EXPECT_TRUE(has(round.output, "Carrow withdrew on 20")) << round.output;
  EXPECT_TRUE(has(round.output, "(its record stands); its matches are void")) << round.output;
  write_file(path / "results.txt", before.at("results.txt"));

  const ToolOutcome check = league(path, {"check"});
  EXPECT_EQ(check.status, 0) << check.output;
  const ToolOutcome undone = league(path, {"undo"});
  EXPECT_EQ(undone.status, 0) << undone.output;
  EXPECT_EQ(folder_contents(path), before);
}

}  // namespace
}  // namespace league::testing
