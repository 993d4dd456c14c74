#include "league/exchange/football_csv.h"

#include <gtest/gtest.h>

#include "league/exchange/csv_records.h"

namespace league::exchange {
namespace {

std::vector<std::string> problems(const SeasonReading& reading) {
  std::vector<std::string> out;
  for (const Diagnostic& problem : reading.problems) out.push_back(describe(problem));
  return out;
}

TEST(CsvRecords, QuotedFieldsAndLineNumbers) {
  const CsvRecords csv =
      read_csv_records("a, b ,\"c,\"\"d\"\"\"\r\n\r\n\"two\nlines\",x\nlast,\" kept \"", "f");
  ASSERT_TRUE(csv.problems.empty());
  ASSERT_EQ(csv.records.size(), 3u);
  EXPECT_EQ(csv.records[0].fields, (std::vector<std::string>{"a", "b", "c,\"d\""}));
  EXPECT_EQ(csv.records[1].fields, (std::vector<std::string>{"two\nlines", "x"}));
  EXPECT_EQ(csv.records[1].line, 3u);
  EXPECT_EQ(csv.records[2].line, 5u);
  EXPECT_EQ(csv.records[2].fields[1], " kept ");
  EXPECT_EQ(read_csv_records("a;b;c\n1;2,5;3\n", "f").records[1].fields[1], "2,5");

  EXPECT_EQ(describe(read_csv_records("a\n\"open\n", "f").problems.at(0)),
            "f:2: a quoted field is never closed");
  EXPECT_EQ(describe(read_csv_records("a\n\"x\"y\n", "f").problems.at(0)),
            "f:2: text after a closing quote");
  for (const std::string_view value : {"plain", "a,b", "say \"hi\"", " padded", "two\nlines"}) {
    const CsvRecords back = read_csv_records(csv_field(value) + ",z", "f");
    EXPECT_EQ(back.records.at(0).fields.at(0), value);
  }
}

TEST(FootballCsv, FindsColumnsByTheirShortNames) {
  const SeasonReading reading = read_football_csv(
      "Res,Away,Extra,Home,Date,AG,HG,Time\n"
      "A,Leeds United,x,Hull City,09/08/98,2,1,\n"
      "H,\"Brighton & Hove Albion\",,Stoke City,1/2/2020,,,15:00\n",
      "short.csv");
  ASSERT_EQ(problems(reading), std::vector<std::string>{});
  ASSERT_EQ(reading.season.matches.size(), 2u);
  const ExchangeMatch& played = reading.season.matches[0];
  EXPECT_EQ(played.home, "Hull City");
  EXPECT_EQ(played.away, "Leeds United");
  EXPECT_EQ(played.date, (CalendarDate{1998, 8, 9}));
  EXPECT_EQ(played.full_time, (Score{1, 2}));
  EXPECT_FALSE(played.half_time);
  EXPECT_FALSE(played.time);
  EXPECT_EQ(played.status, MatchStatus::played);
  EXPECT_EQ(played.line, 2u);
  const ExchangeMatch& to_come = reading.season.matches[1];
  EXPECT_EQ(to_come.away, "Brighton & Hove Albion");
  EXPECT_EQ(to_come.date, (CalendarDate{2020, 2, 1}));
  EXPECT_EQ(to_come.time, (ClockTime{15, 0}));
  EXPECT_FALSE(to_come.full_time);
  EXPECT_EQ(to_come.status, MatchStatus::unplayed);
}

TEST(FootballCsv, BrokenLinesAreNamedByLine) {
  const SeasonReading reading = read_football_csv(
      "Date,HomeTeam,AwayTeam,FTHG,FTAG,FTR,HTHG,HTAG\n"
      "31/02/2020,A,B,1,0,H,,\n"
      "01/03/2020,A,B,x,0,H,,\n"
      "01/03/2020,A,B,1,0,A,,\n"
      "01/03/2020,A,A,1,0,,,\n"
      "01/03/2020,A,B,,,,0,0\n"
      "01/03/2020,A,B,2,2,D,1,1\n",
      "bad.csv");
  EXPECT_EQ(problems(reading), (std::vector<std::string>{
                                   "bad.csv:2: \"31/02/2020\" is no date (dd/mm/yyyy)",
                                   "bad.csv:3: \"x\" and \"0\" are no full-time goals",
                                   "bad.csv:4: result \"A\" does not fit the score 1-0",
                                   "bad.csv:5: \"A\" plays itself",
                                   "bad.csv:6: a half-time score without a full-time score",
                               }));
  EXPECT_EQ(problems(read_football_csv("Date,Home,FTHG,FTAG\n", "h.csv")),
            std::vector<std::string>{"h.csv:1: the header has no column AwayTeam or Away"});
}

}  // namespace
}  // namespace league::exchange
