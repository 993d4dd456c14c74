// Feeds arbitrary text to the fixtures.txt reader, then checks what it read:
// the checker runs against the names the text holds, the writer's text reads
// back to the same rounds, and the iCalendar file made of them keeps its line
// rules. Diagnostics are an expected outcome; a crash or a broken rule is not.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "league/publish/calendar.h"
#include "league/season/fixtures_file.h"

namespace {

bool same_rounds(const league::Fixtures& a, const league::Fixtures& b) {
  if (a.rounds.size() != b.rounds.size()) return false;
  for (std::size_t r = 0; r < a.rounds.size(); ++r) {
    const auto& x = a.rounds[r];
    const auto& y = b.rounds[r];
    if (x.number != y.number || x.date != y.date || x.time != y.time ||
        x.matches.size() != y.matches.size())
      return false;
    for (std::size_t m = 0; m < x.matches.size(); ++m) {
      if (x.matches[m].home != y.matches[m].home || x.matches[m].away != y.matches[m].away)
        return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const league::FixturesReading reading = league::read_fixtures(text);
  const std::size_t lines =
      static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  for (const league::Diagnostic& diagnostic : reading.diagnostics) {
    if (diagnostic.line == 0 || diagnostic.line > lines) std::abort();
  }

  // The home teams of every second match stand for the table, so that both
  // known and unknown teams are checked.
  std::vector<std::string> table;
  bool commented_name = false;
  std::size_t matches = 0;
  for (const auto& round : reading.fixtures.rounds) {
    for (const auto& match : round.matches) {
      if (++matches % 2 == 0) table.push_back(match.home);
      commented_name = commented_name || match.home.front() == '#' || match.away.front() == '#';
    }
  }
  for (const league::Diagnostic& diagnostic : league::check_fixtures(reading.fixtures, table)) {
    if (diagnostic.line == 0 || diagnostic.line > lines) std::abort();
  }

  // A name that starts with '#' is written as a comment line; every other
  // file the writer makes reads back without a fault.
  const league::FixturesReading again =
      league::read_fixtures(league::format_fixtures(reading.fixtures, text.substr(0, 100)));
  if (!commented_name &&
      (!again.diagnostics.empty() || !same_rounds(reading.fixtures, again.fixtures)))
    std::abort();

  league::CalendarSettings settings;
  settings.league_name = std::string(text.substr(0, 200));
  settings.dtstamp = static_cast<std::int64_t>(size) * 1'000'003;
  const int offset = static_cast<int>(size % 1500) - 750;
  settings.utc_offset = [offset](const league::Date&, const league::TimeOfDay&) { return offset; };
  const std::string calendar = league::calendar_text(
      reading.fixtures,
      [](const league::FixtureRound& round, const league::FixtureMatch&) {
        return round.number % 2 == 0 ? std::optional<league::Score>(league::Score{round.number, 1})
                                     : std::nullopt;
      },
      settings);
  std::size_t start = 0;
  while (start < calendar.size()) {
    const std::size_t end = calendar.find("\r\n", start);
    if (end == std::string::npos || end - start > 75 || end == start) std::abort();
    if (calendar.substr(start, end - start).find_first_of("\r\n") != std::string::npos)
      std::abort();
    start = end + 2;
  }
  return 0;
}
