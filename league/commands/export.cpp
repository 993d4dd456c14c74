#include <CLI/CLI.hpp>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/io/file_replacement.h"
#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/table/table_file.h"
#include "league/commands/command.h"
#include "league/exchange/exchange_format.h"
#include "league/names/team_name.h"
#include "league/season/dates.h"
#include "league/season/fixtures_file.h"
#include "league/store/history.h"
#include "league/store/league_name.h"
#include "league/store/season_files.h"

namespace league {

namespace {

using exchange::ExchangeMatch;

struct ExportOptions {
  bool csv = false;
  bool json = false;
  bool txt = false;
  std::string out;  // empty: the standard output
};

exchange::CalendarDate calendar_date(const Date& date) {
  return {date.year, date.month, date.day};
}

std::optional<exchange::ClockTime> clock(const std::optional<TimeOfDay>& time) {
  if (!time) return std::nullopt;
  return exchange::ClockTime{time->hour, time->minute};
}

// What dates the exported matches: fixtures.txt's dated rounds by number,
// its matches with a day of their own by their pairing (a match rearranged
// is often played with another round's results: its day is still its own),
// and the day history says each round was applied, read once a round.
class MatchDays {
 public:
  explicit MatchDays(const std::optional<Fixtures>& fixtures) {
    if (!fixtures) return;
    for (const FixtureRound& round : fixtures->rounds) {
      if (round.date) rounds_.emplace(round.number, &round);
      for (const FixtureMatch& match : round.matches) {
        if (match.date) own_.emplace(Pairing{match.home, match.away}, &match);
      }
    }
  }

  // HOME - AWAY of round `round`: on its own day in fixtures.txt, else its
  // round's date there, else the day history says the round was applied.
  ExchangeMatch dated(int round, const std::string& home, const std::string& away) {
    ExchangeMatch match;
    match.round_label = "Matchday " + std::to_string(round);
    match.round = round;
    match.home = written_form(home);
    match.away = written_form(away);
    if (const auto own = own_.find(Pairing{home, away}); own != own_.end()) {
      match.date = calendar_date(*own->second->date);
      match.time = clock(own->second->time);
    } else if (const auto dated = rounds_.find(round); dated != rounds_.end()) {
      match.date = calendar_date(*dated->second->date);
      match.time = clock(dated->second->time);
    } else if (const std::optional<Date> day = applied_on(round)) {
      match.date = calendar_date(*day);
    }
    return match;
  }

 private:
  using Pairing = std::pair<std::string_view, std::string_view>;

  std::optional<Date> applied_on(int round) {
    const auto [known, added] = applied_.try_emplace(round);
    if (added) {
      if (const auto applied = round_applied_at(round))
        known->second = parse_date(applied->substr(0, 10));
    }
    return known->second;
  }

  std::map<int, const FixtureRound*> rounds_;
  std::map<Pairing, const FixtureMatch*> own_;
  std::map<int, std::optional<Date>> applied_;
};

// The results of history round by round, then the fixtures not yet played.
exchange::ExchangeSeason league_season() {
  const TableRead table = league_table_or_fail("").read;
  const std::optional<Fixtures> fixtures = league_fixtures(team_names(table.rows), "");
  exchange::ExchangeSeason season{league_name().value_or(""), {}};
  AppliedMatchesRead applied = read_applied_matches();
  if (!applied.problems.empty())
    fail_all(applied.problems, kHistoryDir, "; nothing is exported from results that do not read");
  MatchDays days(fixtures);
  // Every match once: room for them all, so that the list is not copied as it grows.
  std::size_t count = applied.matches.size();
  if (fixtures) {
    for (const FixtureRound& round : fixtures->rounds) count += round.matches.size();
  }
  season.matches.reserve(count);
  std::set<std::pair<std::string, std::string>> played;
  for (const AppliedMatch& result : applied.matches) {
    ExchangeMatch match = days.dated(result.round, result.home, result.away);
    match.full_time = exchange::Score{result.score.home, result.score.away};
    match.status = exchange::MatchStatus::played;
    season.matches.push_back(std::move(match));
    played.insert({result.home, result.away});
  }
  if (!fixtures) return season;
  for (const FixtureRound& round : fixtures->rounds) {
    for (const FixtureMatch& fixture : round.matches) {
      if (played.count({fixture.home, fixture.away}) != 0) continue;
      if (!round.date)
        fail({kFixturesFile, round.line,
              "round " + std::to_string(round.number) +
                  " has no date, which every match exported needs (league fixtures --start)"});
      season.matches.push_back(days.dated(round.number, fixture.home, fixture.away));
    }
  }
  return season;
}

int export_season(const ExportOptions& options, CommandContext& context) {
  const int shapes = int{options.csv} + int{options.json} + int{options.txt};
  if (shapes != 1)
    fail({"league export", 0, "give one of --csv, --football-json and --football-txt"});
  const exchange::ExchangeFormat format = options.csv    ? exchange::ExchangeFormat::football_csv
                                          : options.json ? exchange::ExchangeFormat::football_json
                                                         : exchange::ExchangeFormat::football_txt;
  const std::string text = exchange::write_season(league_season(), format);
  if (options.out.empty()) {
    context.out << text;
    return 0;
  }
  for (const char* kept : {kTableFile, kFormFile, kFixturesFile, kResultsFile, kSettingsFile}) {
    if (options.out == kept) fail({options.out, 0, "is a file the league keeps; not written"});
  }
  if (!replace_file(options.out, text)) fail({options.out, 0, "cannot be written"});
  context.out << "The season written to " << options.out << ".\n";
  return 0;
}

}  // namespace

CommandRun export_command(CLI::App& command) {
  auto options = std::make_shared<ExportOptions>();
  command.add_flag("--csv", options->csv, "As football-data CSV: the results and fixtures");
  command.add_flag("--football-json", options->json, "As football.json");
  command.add_flag("--football-txt", options->txt, "As Football.TXT");
  command.add_option("--out", options->out, "Write it to FILE rather than print it");
  return [options](CommandContext& context) { return export_season(*options, context); };
}

}  // namespace league
