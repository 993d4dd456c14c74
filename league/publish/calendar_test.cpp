// The iCalendar file of the fixtures: its lines as RFC 5545 lays them out, and
// what a real iCalendar parser (Python's icalendar, Debian package
// python3-icalendar) reads from it. Without that parser the reading test is
// skipped, unless LEAGUE_REQUIRE_ICALENDAR is set, as CI sets it.
#include "league/publish/calendar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "common/io/whole_file.h"
#include "tests/support/case_run.h"
#include "tests/support/scratch_dir.h"

namespace league {
namespace {

constexpr std::int64_t kStamp = 1'800'000'000;  // 2027-01-15 08:00:00 UTC

Fixtures some_fixtures() {
  return read_fixtures(
             "Round 1 2027-08-14\n"
             "Ashford - Fenwick\n"
             "North_End - H\xC3\xBCttenberg\n"
             "Round 2 2027-08-21 15:00\n"
             "Fenwick - Ashford\n"
             "Round 3\n"
             "Ashford - North_End\n"
             "Round 4 2028-01-01 00:30\n"
             "H\xC3\xBCttenberg - North_End\n")
      .fixtures;
}

std::optional<Score> ashford_won_at_home(const FixtureRound&, const FixtureMatch& match) {
  if (match.home == "Ashford" && match.away == "Fenwick") return Score{2, 1};
  return std::nullopt;
}

// Summer time from April to October: two hours ahead of UTC, else one.
int central_european(const Date& date, const TimeOfDay&) {
  return date.month >= 4 && date.month <= 10 ? 120 : 60;
}

std::string python() {
  return std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
}

TEST(Calendar, AnICalendarParserReadsEveryDatedFixture) {
  if (std::system((python() + " -c 'import icalendar' 2>/dev/null").c_str()) != 0) {
    if (std::getenv("LEAGUE_REQUIRE_ICALENDAR")) FAIL() << "python3-icalendar is not installed";
    GTEST_SKIP() << "python3-icalendar is not installed";
  }
  const std::string name =
      "Northern Counties League, Division \\ One; season 2027\n\xC3\x89lite \xE2\x80\x94 "
      "fixtures and results";
  const std::string text = calendar_text(some_fixtures(), ashford_won_at_home,
                                         {name, "northern-counties", kStamp, central_european});

  EXPECT_NE(text.find("\r\nDTSTAMP:20270115T080000Z\r\n"), std::string::npos);
  testing::ScratchDir folder("calendar_test");
  const auto file = folder.path() / "fixtures.ics";
  testing::write_file(file, text);
  const auto printed = folder.path() / "printed.txt";
  ASSERT_EQ(std::system((python() + " '" + CALENDAR_CHECK_SCRIPT + "' '" + file.string() + "' > '" +
                         printed.string() + "' 2>&1")
                            .c_str()),
            0)
      << read_whole_file(printed.string()).value_or("") << text;
  EXPECT_EQ(read_whole_file(printed.string()).value_or(""),
            "name: " + name + "\n" +
                "Ashford-Fenwick@northern-counties | Ashford 2 - 1 Fenwick | 2027-08-14 | "
                "2027-08-15 | Round 1\n"
                "North_End-H%C3%BCttenberg@northern-counties | North End - H\xC3\xBCttenberg | "
                "2027-08-14 | 2027-08-15 | Round 1\n"
                "Fenwick-Ashford@northern-counties | Fenwick - Ashford | "
                "2027-08-21T13:00:00+00:00 | 2027-08-21T15:00:00+00:00 | Round 2\n"
                "H%C3%BCttenberg-North_End@northern-counties | H\xC3\xBCttenberg - North End | "
                "2027-12-31T23:30:00+00:00 | 2028-01-01T01:30:00+00:00 | Round 4\n");
}

TEST(Calendar, LinesAreFoldedBetweenCharactersAndEndInCrLf) {
  // A three-byte character put at every place around the 75th octet.
  for (std::size_t lead = 50; lead < 160; ++lead) {
    const std::string name = std::string(lead, 'x') + "\xE2\x82\xAC" + "\xFF" + "\x01";
    const std::string text = calendar_text({}, {}, {name, "", kStamp, {}});
    std::string unfolded;
    std::size_t at = 0;
    while (at < text.size()) {
      const std::size_t end = text.find("\r\n", at);
      ASSERT_NE(end, std::string::npos);
      const std::string line = text.substr(at, end - at);
      ASSERT_LE(line.size(), 75u);
      ASSERT_EQ(line.find('\n'), std::string::npos);
      if (line.front() == ' ') {
        // A continuation never starts inside a character.
        ASSERT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80) << lead;
        unfolded += line.substr(1);
      } else {
        unfolded += '\n' + line;
      }
      at = end + 2;
    }
    EXPECT_NE(
        unfolded.find("\nX-WR-CALNAME:" + std::string(lead, 'x') + "\xE2\x82\xAC\xEF\xBF\xBD\n"),
        std::string::npos)
        << lead;
  }
}

}  // namespace
}  // namespace league
