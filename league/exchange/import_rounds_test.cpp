#include "league/exchange/import_rounds.h"

#include <gtest/gtest.h>

namespace league::exchange {
namespace {

ExchangeMatch result(std::string label, CalendarDate date, std::string home, std::string away,
                     MatchStatus status = MatchStatus::played) {
  ExchangeMatch match;
  match.round_label = std::move(label);
  match.date = date;
  match.home = std::move(home);
  match.away = std::move(away);
  match.status = status;
  if (status != MatchStatus::postponed) match.full_time = Score{1, 0};
  return match;
}

// Each round as "first date: home-away home-away".
std::vector<std::string> shown(const std::vector<ImportRound>& rounds) {
  std::vector<std::string> out;
  for (const ImportRound& round : rounds) {
    std::string text = iso_date(round.first) + ":";
    for (const ExchangeMatch& match : round.matches) text += " " + match.home + match.away;
    out.push_back(text);
  }
  return out;
}

TEST(ImportRounds, LabelledMatchdaysInDateOrder) {
  ExchangeSeason season;
  season.matches = {
      result("Matchday 1", {2020, 8, 8}, "A", "B"),
      result("Matchday 1", {2020, 8, 9}, "C", "D"),
      result("Matchday 2", {2020, 8, 15}, "B", "C"),
      result("Matchday 2", {2020, 8, 15}, "D", "A", MatchStatus::postponed),
      result("Matchday 3", {2020, 8, 22}, "A", "C"),
      result("Matchday 3", {2020, 8, 22}, "B", "D", MatchStatus::abandoned),
      // Matchday 2's match caught up the next Wednesday: a round of its own.
      result("Matchday 2", {2020, 8, 26}, "D", "A"),
      result("Matchday 4", {2020, 8, 29}, "C", "A", MatchStatus::awarded),
  };
  EXPECT_EQ(shown(group_import_rounds(season)),
            (std::vector<std::string>{"2020-08-08: AB CD", "2020-08-15: BC", "2020-08-22: AC",
                                      "2020-08-26: DA", "2020-08-29: CA"}));
}

TEST(ImportRounds, UnlabelledMatchesAreCutAtBreaksAndRepeats) {
  ExchangeSeason season;
  season.matches = {
      result("", {2020, 8, 9}, "C", "D"),  // out of date order in the file
      result("", {2020, 8, 8}, "A", "B"),
      result("", {2020, 8, 10}, "A", "C"),  // A again: the next round
      result("", {2020, 8, 12}, "B", "D"),  // a clear day after the last match
      result("", {2020, 8, 13}, "E", "F"),
      result("", {2020, 8, 14}, "G", "H"),
      result("", {2020, 8, 15}, "I", "J"),
      result("", {2020, 8, 16}, "K", "L"),
      result("", {2020, 8, 17}, "M", "N"),
      result("", {2020, 8, 18}, "O", "P"),
      result("", {2020, 8, 19}, "Q", "R"),  // a week after the round's first match
  };
  EXPECT_EQ(shown(group_import_rounds(season)),
            (std::vector<std::string>{"2020-08-08: AB CD", "2020-08-10: AC",
                                      "2020-08-12: BD EF GH IJ KL MN OP", "2020-08-19: QR"}));
}

// Only dates that are all a year early are mended; one that a year later
// would still be out of place (or past the season's year) leaves every date
// as it is, to be refused.
TEST(ImportRounds, DatesBeforeTheSeasonAreMendedOnlyWhenAllAreAYearEarly) {
  ExchangeSeason season;
  season.matches = {
      result("", {2019, 8, 10}, "A", "B"), result("", {2020, 5, 2}, "C", "D"),
      result("", {2019, 5, 9}, "A", "C"),  // 2020-05-09: after the match above it
  };
  std::vector<Diagnostic> notes = mend_wrong_years(season, "s.csv");
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_NE(notes[0].what.find("read as 2020-05-09"), std::string::npos) << notes[0].what;
  EXPECT_EQ(season.matches[2].date, (CalendarDate{2020, 5, 9}));

  season.matches[2].date = {2019, 4, 30};  // 2020-04-30 comes before 2020-05-02
  season.matches.push_back(result("", {2018, 9, 1}, "B", "D"));  // two years early
  EXPECT_TRUE(mend_wrong_years(season, "s.csv").empty());
  EXPECT_EQ(season.matches[2].date, (CalendarDate{2019, 4, 30}));
  EXPECT_EQ(date_order_problems(season, "s.csv").size(), 2u);
}

}  // namespace
}  // namespace league::exchange
