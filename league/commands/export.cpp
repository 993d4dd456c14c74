#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
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

const FixtureRound* fixture_round(const std::optional<Fixtures>& fixtures, int number) {
  if (!fixtures) return nullptr;
  for (const FixtureRound& round : fixtures->rounds)
    if (round.number == number && round.date) return &round;
  return nullptr;
}

// A match of round `round` on the round's date in fixtures.txt, else the day
// history says the round was applied.
ExchangeMatch dated_match(const std::optional<Fixtures>& fixtures, int round, std::string home,
                          std::string away) {
  ExchangeMatch match;
  match.round_label = "Matchday " + std::to_string(round);
  match.round = round;
  match.home = written_form(home);
  match.away = written_form(away);
  if (const FixtureRound* fixture = fixture_round(fixtures, round)) {
    match.date = calendar_date(*fixture->date);
    match.time = clock(fixture->time);
  } else if (const auto applied = round_applied_at(round)) {
    if (const auto day = parse_date(applied->substr(0, 10))) match.date = calendar_date(*day);
  }
  return match;
}

// A match's own date in fixtures.txt, in round `round`, overriding its round's.
void own_date(const std::optional<Fixtures>& fixtures, int round, ExchangeMatch& match) {
  if (!fixtures) return;
  for (const FixtureRound& fixture_round : fixtures->rounds) {
    if (fixture_round.number != round) continue;
    for (const FixtureMatch& fixture : fixture_round.matches) {
      if (!fixture.date || stored_form(fixture.home) != stored_form(match.home) ||
          stored_form(fixture.away) != stored_form(match.away))
        continue;
      match.date = calendar_date(*fixture.date);
      match.time = clock(fixture.time);
    }
  }
}

// The results of history round by round, then the fixtures not yet played.
exchange::ExchangeSeason league_season() {
  const TableRead table = league_table_or_fail("").read;
  const std::optional<Fixtures> fixtures = league_fixtures(team_names(table.rows), "");
  exchange::ExchangeSeason season{league_name().value_or(""), {}};
  std::set<std::pair<std::string, std::string>> played;
  for (const AppliedMatch& applied : applied_matches()) {
    ExchangeMatch match = dated_match(fixtures, applied.round, applied.home, applied.away);
    own_date(fixtures, applied.round, match);
    match.full_time = exchange::Score{applied.score.home, applied.score.away};
    match.status = exchange::MatchStatus::played;
    season.matches.push_back(std::move(match));
    played.insert({applied.home, applied.away});
  }
  if (!fixtures) return season;
  for (const FixtureRound& round : fixtures->rounds) {
    for (const FixtureMatch& fixture : round.matches) {
      if (played.count({fixture.home, fixture.away}) != 0) continue;
      if (!round.date)
        fail({kFixturesFile, round.line,
              "round " + std::to_string(round.number) +
                  " has no date, which every match exported needs (league fixtures --start)"});
      ExchangeMatch match = dated_match(fixtures, round.number, fixture.home, fixture.away);
      own_date(fixtures, round.number, match);
      season.matches.push_back(std::move(match));
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
