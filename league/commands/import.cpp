#include <CLI/CLI.hpp>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/form/form_table.h"
#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/results/results_file.h"
#include "common/round/round_update.h"
#include "common/table/table_file.h"
#include "league/commands/command.h"
#include "league/exchange/exchange_format.h"
#include "league/exchange/import_rounds.h"
#include "league/names/team_name.h"
#include "league/season/fixtures_file.h"
#include "league/store/adjustments.h"
#include "league/store/history.h"
#include "league/store/league_name.h"
#include "league/store/new_settings.h"
#include "league/store/reading.h"
#include "league/store/transaction.h"

namespace league {

namespace {

using exchange::ExchangeMatch;
using exchange::ExchangeSeason;
using exchange::ImportRound;

constexpr std::string_view kNothingChanged = "; nothing changed";

struct ImportOptions {
  std::string file;
  std::string format;  // "csv", "txt", "json"; empty: detected
};

std::optional<exchange::ExchangeFormat> format_option(const std::string& name) {
  if (name.empty()) return std::nullopt;
  if (name == "csv") return exchange::ExchangeFormat::football_csv;
  if (name == "txt") return exchange::ExchangeFormat::football_txt;
  return exchange::ExchangeFormat::football_json;  // CLI11 lets no other word through
}

// The season the file holds, refused with every problem it has: what its
// reader finds, then dates that put a match out of its place in the season
// unless they are all a year early, mended and noted in `mended`.
ExchangeSeason read_import(const ImportOptions& options, std::vector<Diagnostic>& mended) {
  const auto bytes = read_whole_file(options.file);
  if (!bytes) refuse({options.file, 0, "cannot be opened"});
  exchange::SeasonReading reading =
      exchange::read_season(*bytes, options.file, format_option(options.format));
  if (!reading.ok()) fail_all(reading.problems, options.file, kNothingChanged);
  mended = exchange::mend_wrong_years(reading.season, options.file);
  const std::vector<Diagnostic> dates = exchange::date_order_problems(reading.season, options.file);
  if (!dates.empty()) fail_all(dates, options.file, kNothingChanged);
  if (reading.season.matches.empty()) refuse({options.file, 0, "holds no matches"});
  return std::move(reading.season);
}

// The teams of the season in the stored form, in the order they first play
// (then in file order, those that have not played): the same order whatever
// the order of the file's matches. A name that cannot be a team's is refused
// at its line.
std::vector<std::string> season_teams(const ExchangeSeason& season, const std::string& file) {
  std::vector<ExchangeMatch> in_order;
  for (const ImportRound& round : exchange::group_import_rounds(season))
    in_order.insert(in_order.end(), round.matches.begin(), round.matches.end());
  in_order.insert(in_order.end(), season.matches.begin(), season.matches.end());
  std::vector<std::string> written;
  std::vector<std::size_t> lines;
  for (const ExchangeMatch& match : in_order) {
    for (const std::string* name : {&match.home, &match.away}) {
      if (std::find(written.begin(), written.end(), *name) != written.end()) continue;
      written.push_back(*name);
      lines.push_back(match.line);
    }
  }
  std::vector<Diagnostic> problems;
  for (const NameProblem& problem : check_team_names(written))
    problems.push_back({file, lines[problem.index], problem.what});
  if (!problems.empty()) fail_all(problems, file, kNothingChanged);
  std::vector<std::string> stored;
  for (const std::string& name : written) stored.push_back(stored_form(name));
  return stored;
}

// The tables the season starts from: table.txt as `league new` left it, its
// order kept, or new ones in the order of the file. A folder where anything
// was played, or whose teams are not the file's, is refused.
RoundTables starting_tables(const std::vector<std::string>& teams) {
  if (!recorded_rounds().empty() || !recorded_adjustments(0).empty())
    refuse({kHistoryDir, 0, "holds a season already played; league import starts a new one"});
  RoundTables tables{std::vector<TableEntry>{}, std::vector<FormEntry>{}, std::nullopt};
  std::vector<std::string> order = teams;
  if (const auto table = read_league_file(kTableFile)) {
    TableRead read = read_league_table(*table, kTableFile);
    if (read.problem) refuse(*read.problem);
    order = team_names(read.rows);
    for (const TableEntry& row : read.rows) {
      if (row.P != 0)
        refuse({kTableFile, 0, "holds games played; league import starts a new season"});
    }
    if (std::set<std::string>(order.begin(), order.end()) !=
        std::set<std::string>(teams.begin(), teams.end()))
      refuse({kTableFile, 0, "holds other teams than the file imported"});
  }
  for (const std::string& team : order) {
    tables.table->push_back(TableEntry{team});
    tables.form->push_back(FormEntry{team, FormString()});
  }
  return tables;
}

std::string result_lines(const std::vector<ExchangeMatch>& matches) {
  std::string text;
  for (const ExchangeMatch& match : matches) {
    text += stored_form(match.home) + ' ' + std::to_string(match.full_time->home) + " - " +
            std::to_string(match.full_time->away) + ' ' + stored_form(match.away) + '\n';
  }
  return text;
}

Date league_date(const exchange::CalendarDate& date) {
  return Date{date.y, date.m, date.d};
}

std::optional<TimeOfDay> league_time(const std::optional<exchange::ClockTime>& time) {
  if (!time) return std::nullopt;
  return TimeOfDay{time->hour, time->minute};
}

// When a round was played, as history keeps it: its first match's date and
// kick-off ("00:00" without one).
std::string played_stamp(const ExchangeMatch& first) {
  return format_date(league_date(first.date)) + ' ' +
         format_time(league_time(first.time).value_or(TimeOfDay{})) + '\n';
}

FixtureRound fixture_round(int number, const std::vector<ExchangeMatch>& matches) {
  FixtureRound round{
      number, league_date(matches.front().date), league_time(matches.front().time), {}, 0};
  for (const ExchangeMatch& match : matches) {
    FixtureMatch fixture{stored_form(match.home), stored_form(match.away), 0};
    // A match on another day or at another time than its round's first keeps its own.
    if (league_date(match.date) != round.date || league_time(match.time) != round.time) {
      fixture.date = league_date(match.date);
      fixture.time = league_time(match.time);
    }
    round.matches.push_back(std::move(fixture));
  }
  return round;
}

// The matches still to play: those that do not count and whose pairing no
// counting match has (a postponed match played later is played), each pairing
// once at its last mention, in rounds after `played` as the file's dates and
// labels group them.
std::vector<FixtureRound> rounds_to_come(const ExchangeSeason& season, int played) {
  std::set<std::pair<std::string, std::string>> counted;
  for (const ExchangeMatch& match : season.matches)
    if (exchange::counts(match)) counted.insert({match.home, match.away});
  ExchangeSeason to_come;
  for (auto match = season.matches.rbegin(); match != season.matches.rend(); ++match) {
    if (exchange::counts(*match) || !counted.insert({match->home, match->away}).second) continue;
    ExchangeMatch fixture = *match;
    fixture.status = exchange::MatchStatus::played;  // so that they group as rounds
    fixture.full_time = exchange::Score{};
    to_come.matches.insert(to_come.matches.begin(), std::move(fixture));
  }
  std::vector<FixtureRound> rounds;
  for (const ImportRound& round : exchange::group_import_rounds(to_come))
    rounds.push_back(fixture_round(played + static_cast<int>(rounds.size()) + 1, round.matches));
  return rounds;
}

struct ImportPlan {
  std::vector<FileChange> changes;
  RoundTables tables;
  int rounds = 0;
  std::size_t results = 0;
  std::size_t to_come = 0;
};

// Each round's entry in history as `league round` records it, dated when it
// was played; the league files it changes are written once, at the end.
void play_rounds(const std::vector<ImportRound>& rounds, ImportPlan& plan) {
  for (const ImportRound& round : rounds) {
    const std::string results = result_lines(round.matches);
    const std::vector<FileChange> before{{kTableFile, format_league_table(*plan.tables.table)},
                                         {kFormFile, format_form_table(*plan.tables.form)}};
    const RoundUpdate update = apply_round(plan.tables, read_results(results));
    if (update.failure)
      fail({kResultsFile, 0,
            "round " + std::to_string(plan.rounds + 1) + " cannot be applied to " +
                update.failure->team + std::string(kNothingChanged)});
    const std::vector<FileChange> after{{kTableFile, format_league_table(*plan.tables.table)},
                                        {kFormFile, format_form_table(*plan.tables.form)}};
    const HistoryEntry entry{HistoryEntry::Kind::kRound, ++plan.rounds, 0};
    for (FileChange& change : record_entry_changes(entry, {{kResultsFile, results}}, before, after,
                                                   played_stamp(round.matches[0]))) {
      if (change.path.rfind(kHistoryDir, 0) != 0) continue;  // the league files, at the end
      plan.changes.push_back(std::move(change));
    }
    plan.results += round.matches.size();
  }
}

ImportPlan plan_import(const ExchangeSeason& season, const std::vector<std::string>& teams) {
  ImportPlan plan{{}, starting_tables(teams), 0, 0, 0};
  const std::vector<ImportRound> rounds = exchange::group_import_rounds(season);
  play_rounds(rounds, plan);
  Fixtures fixtures;
  for (const ImportRound& round : rounds)
    fixtures.rounds.push_back(
        fixture_round(static_cast<int>(fixtures.rounds.size()) + 1, round.matches));
  for (FixtureRound& round : rounds_to_come(season, plan.rounds)) {
    plan.to_come += round.matches.size();
    fixtures.rounds.push_back(std::move(round));
  }
  const std::string fixtures_text = format_fixtures(fixtures);
  const std::vector<Diagnostic> problems =
      fixtures_file_problems(read_fixtures(fixtures_text), &teams);
  if (!problems.empty()) fail_all(problems, kFixturesFile, kNothingChanged);
  plan.changes.push_back({kTableFile, format_league_table(*plan.tables.table)});
  plan.changes.push_back({kFormFile, format_form_table(*plan.tables.form)});
  plan.changes.push_back({kFixturesFile, fixtures_text});
  return plan;
}

int import_season(const ImportOptions& options, CommandContext& context) {
  std::vector<Diagnostic> mended;
  const ExchangeSeason season = read_import(options, mended);
  const std::vector<std::string> teams = season_teams(season, options.file);
  const auto settings = read_settings();
  if (settings && settings->number("Attendances_Pack") != 0)
    refuse({kSettingsFile, 0, "keeps attendances, which an imported season has none of"});
  ImportPlan plan = plan_import(season, teams);
  if (!settings) plan.changes.push_back({kSettingsFile, std::string(kNewSettings)});
  const bool named =
      !season.name.empty() && !league_name() && !check_league_name(season.name).problem;
  if (named) plan.changes.push_back(league_name_change(check_league_name(season.name).name));
  apply_or_fail(context.lock, "the import", plan.changes);

  std::ostream& out = context.out;
  out << "Imported " << options.file << ": " << teams.size() << " teams, " << plan.results
      << (plan.results == 1 ? " result" : " results") << " in " << plan.rounds
      << (plan.rounds == 1 ? " round" : " rounds") << ", " << plan.to_come
      << (plan.to_come == 1 ? " match" : " matches") << " to come; " << kTableFile << ", "
      << kFormFile << " and " << kFixturesFile << " written.\n";
  if (!mended.empty()) {
    out << describe(mended.front()) << ".\n";
    if (mended.size() > 1) {
      out << options.file << ": " << mended.size() - 1
          << " more dates like it read a year later, the last on line " << mended.back().line
          << ".\n";
    }
  }
  if (named) out << "The league is named " << season.name << ".\n";
  if (plan.rounds > 0) out << leader_line(plan.tables.table->front());
  return 0;
}

}  // namespace

CommandRun import_command(CLI::App& command) {
  auto options = std::make_shared<ImportOptions>();
  command.add_option("FILE", options->file, "The season: football-data CSV, Football.TXT or JSON")
      ->required();
  command.add_option("--format", options->format, "The file's shape, when not detected")
      ->check(CLI::IsMember({"csv", "txt", "json"}));
  return [options](CommandContext& context) { return import_season(*options, context); };
}

}  // namespace league
