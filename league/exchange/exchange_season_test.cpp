// The real season of SEASONS_DIR in its three shapes, read, compared, written
// and read again.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <tuple>

#include "league/exchange/exchange_format.h"
#include "league/exchange/import_rounds.h"

namespace league::exchange {
namespace {

const std::string kBase = std::string(SEASONS_DIR) + "/en.1-2019-20";

// Whether two matches are the same fixture with the same outcome, the file line
// aside.
bool same_match(const ExchangeMatch& a, const ExchangeMatch& b) {
  ExchangeMatch left = a;
  left.line = b.line;
  return left == b;
}

std::string_view format_name(ExchangeFormat format) {
  switch (format) {
    case ExchangeFormat::football_csv:
      return "csv";
    case ExchangeFormat::football_txt:
      return "football-txt";
    case ExchangeFormat::football_json:
      return "football-json";
  }
  return "csv";
}

std::string bytes_of(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class RealSeason : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kBase + ".csv")) GTEST_SKIP() << "no " << kBase << ".csv";
  }

  static ExchangeSeason read(const std::string& extension) {
    const std::string path = kBase + extension;
    const SeasonReading reading = read_season(bytes_of(path), path);
    for (const Diagnostic& problem : reading.problems) ADD_FAILURE() << describe(problem);
    return reading.season;
  }
};

std::string shown(const ExchangeMatch& match) {
  std::string text = "line " + std::to_string(match.line) + ": " + iso_date(match.date) + " ";
  if (match.time) text += clock_time(*match.time) + " ";
  text += match.home + " - " + match.away + " ";
  if (match.full_time) {
    text += std::to_string(match.full_time->home) + "-" + std::to_string(match.full_time->away);
  }
  if (match.half_time) {
    text += " (" + std::to_string(match.half_time->home) + "-" +
            std::to_string(match.half_time->away) + ")";
  }
  return text + " " + std::string(status_name(match.status)) + " " + match.round_label;
}

// The matches with what every shape carries (no round labels in the CSV, no
// lines), in date, home, away order.
std::vector<ExchangeMatch> comparable(ExchangeSeason season) {
  for (ExchangeMatch& match : season.matches) {
    match.line = 0;
    match.round_label.clear();
    match.round = 0;
  }
  std::sort(season.matches.begin(), season.matches.end(), [](const auto& a, const auto& b) {
    return std::tie(a.date, a.home, a.away) < std::tie(b.date, b.home, b.away);
  });
  return season.matches;
}

TEST_F(RealSeason, TheThreeShapesHoldTheSameMatches) {
  const ExchangeSeason csv = read(".csv");
  const ExchangeSeason txt = read(".txt");
  const ExchangeSeason json = read(".json");
  ASSERT_EQ(json.matches.size(), 380u);
  EXPECT_EQ(txt.name, "English Premier League 2019/20");
  EXPECT_EQ(json.name, txt.name);
  EXPECT_EQ(comparable(csv), comparable(json));
  // The JSON (and the CSV written from it) dates the matches of July 2020 a
  // year early, in July 2019, before the season began; the TXT has them right.
  // All else agrees.
  const std::vector<ExchangeMatch> right = comparable(txt);
  for (const char* shape : {"json", "csv"}) {
    ExchangeSeason mended = shape == std::string("json") ? json : csv;
    const std::vector<Diagnostic> notes = mend_wrong_years(mended, shape);
    EXPECT_EQ(notes.size(), 66u) << shape;
    EXPECT_EQ(comparable(mended), right) << shape;
    EXPECT_TRUE(date_order_problems(mended, shape).empty());
  }
  // That fault is found where the rounds are numbered, at each match's line.
  EXPECT_TRUE(date_order_problems(txt, "txt").empty());
  const std::vector<Diagnostic> wrong_year = date_order_problems(json, "en.json");
  ASSERT_EQ(wrong_year.size(), 66u);
  EXPECT_EQ(describe(wrong_year.front()),
            "en.json:5266: Matchday 32 dated 2019-07-01, before the first round begins on "
            "2019-08-09 (a wrong year?)");
  // The CSV numbers no rounds, but lists the matches in date order: the same
  // 66 come after the season's last matches, dated before its first.
  const std::vector<Diagnostic> csv_wrong_year = date_order_problems(csv, "en.csv");
  ASSERT_EQ(csv_wrong_year.size(), 66u);
  EXPECT_EQ(csv_wrong_year.front().line, 316u);
  EXPECT_NE(csv_wrong_year.front().what.find("before the season's first match on 2019-08-09"),
            std::string::npos);
  // Both label rounds, in the same file order.
  ASSERT_EQ(txt.matches.size(), json.matches.size());
  for (std::size_t k = 0; k < txt.matches.size(); ++k) {
    if (txt.matches[k].date.m == 7) continue;
    EXPECT_TRUE(same_match(txt.matches[k], json.matches[k])) << shown(txt.matches[k]);
  }
  // Spreadsheets save UTF-16 with a byte-order mark.
  std::string utf16 = "\xFF\xFE";
  for (const char c : bytes_of(kBase + ".csv")) {
    ASSERT_GE(c, 0) << "the CSV is ASCII";
    utf16 += c;
    utf16 += '\0';
  }
  const SeasonReading wide = read_season(utf16, "wide.csv");
  ASSERT_TRUE(wide.ok());
  EXPECT_EQ(comparable(wide.season), comparable(csv));
}

TEST_F(RealSeason, EachShapeReadsBackWhatItWrites) {
  const ExchangeSeason season = read(".txt");
  for (const ExchangeFormat format : {ExchangeFormat::football_csv, ExchangeFormat::football_txt,
                                      ExchangeFormat::football_json}) {
    SCOPED_TRACE(format_name(format));
    const std::string text = write_season(season, format);
    EXPECT_EQ(detect_format(text, "exported"), format);
    const SeasonReading back = read_season(text, "exported", format);
    ASSERT_TRUE(back.ok()) << describe(back.problems.front());
    ASSERT_EQ(back.season.matches.size(), season.matches.size());
    for (std::size_t k = 0; k < season.matches.size(); ++k) {
      EXPECT_TRUE(same_match(back.season.matches[k], season.matches[k]))
          << shown(back.season.matches[k]) << " / " << shown(season.matches[k]);
    }
    if (format != ExchangeFormat::football_csv) {
      EXPECT_EQ(back.season.name, season.name);
    }
    EXPECT_EQ(write_season(back.season, format), text);
  }
}

TEST_F(RealSeason, RoundsReplayTheSeasonInOrder) {
  const ExchangeSeason season = read(".txt");
  const std::vector<ImportRound> rounds = group_import_rounds(season);
  std::size_t matches = 0;
  for (std::size_t r = 0; r < rounds.size(); ++r) {
    std::set<std::string> teams;
    for (const ExchangeMatch& match : rounds[r].matches) {
      EXPECT_TRUE(teams.insert(match.home).second && teams.insert(match.away).second)
          << "a team twice in round " << r + 1;
      EXPECT_EQ(match.round_label, rounds[r].matches.front().round_label);
    }
    if (r > 0) {
      EXPECT_LE(rounds[r - 1].last, rounds[r].first);
    }
    matches += rounds[r].matches.size();
  }
  EXPECT_EQ(matches, 380u);
  ASSERT_GE(rounds.size(), 38u);
  EXPECT_EQ(rounds.front().matches.size(), 10u);
  // West Ham - Liverpool of Matchday 18, caught up on 29 January, comes alone
  // between Matchday 24 and 25.
  const auto caught_up = std::find_if(rounds.begin(), rounds.end(), [](const ImportRound& round) {
    return round.first == CalendarDate{2020, 1, 29};
  });
  ASSERT_NE(caught_up, rounds.end());
  EXPECT_EQ(caught_up->matches.size(), 1u);
  EXPECT_EQ(caught_up->matches.front().round_label, "Matchday 18");
  EXPECT_EQ(std::prev(caught_up)->matches.front().round_label, "Matchday 24");
  EXPECT_EQ(std::next(caught_up)->matches.front().round_label, "Matchday 25");

  // Without its round labels, as in the CSV shape, the season is cut the same.
  ExchangeSeason unlabelled = season;
  for (ExchangeMatch& match : unlabelled.matches) match.round_label.clear();
  const std::vector<ImportRound> by_dates = group_import_rounds(unlabelled);
  ASSERT_EQ(by_dates.size(), rounds.size());
  for (std::size_t r = 0; r < rounds.size(); ++r) {
    EXPECT_EQ(by_dates[r].matches.size(), rounds[r].matches.size()) << "round " << r + 1;
    EXPECT_EQ(by_dates[r].first, rounds[r].first) << "round " << r + 1;
  }
}

}  // namespace
}  // namespace league::exchange
