#include "league/commands/fixture_change.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "common/io/league_files.h"
#include "common/table/table_file.h"
#include "league/names/team_lookup.h"
#include "league/season/season_schedule.h"
#include "league/store/history.h"
#include "league/store/reading.h"
#include "league/store/season_files.h"
#include "league/zone/people_dates.h"

namespace league {

namespace {

struct ChangeOptions {
  std::string home;
  std::string away;
  std::string date;  // move: YYYY-MM-DD
  std::string time;  // move: HH:MM, optional
};

[[noreturn]] void refuse_arguments(const char* command, const std::string& what) {
  fail({command, 0, what + "; nothing changed"});
}

std::string people_day(const Date& date, const std::optional<TimeOfDay>& time) {
  std::string text = zone::people_date(date.year, date.month, date.day);
  if (time) text += ' ' + format_time(*time);
  return text;
}

// The fixture HOME - AWAY without a result, and its match as fixtures.txt has it.
struct Found {
  FixtureState fixture;
  FixtureMatch match;
};
Found find_fixture(const char* command, const ChangeOptions& options, const Fixtures& fixtures) {
  const SeasonSchedule schedule = season_schedule(fixtures, applied_matches());
  const std::string pairing = pairing_text(options.home, options.away);
  const FixtureState* fixture = schedule.find(options.home, options.away);
  if (fixture == nullptr) {
    std::string what = pairing + " is no fixture of " + kFixturesFile;
    if (schedule.find(options.away, options.home))
      what += "; did you mean " + pairing_text(options.away, options.home) + "?";
    refuse_arguments(command, what);
  }
  if (fixture->played) refuse_arguments(command, pairing + " has its result already");
  for (const FixtureRound& round : fixtures.rounds) {
    for (const FixtureMatch& match : round.matches) {
      if (match.line == fixture->line()) return {*fixture, match};
    }
  }
  refuse_arguments(command, pairing + " is no fixture of " + kFixturesFile);
}

// The new fixtures.txt and the entry that records it, as one transaction.
void record_change(const FixtureMatch& changed, const std::string& what, const LeagueFile& file,
                   FolderLock& lock) {
  const std::size_t mark = file.bytes.size() - file.text.size();
  const std::string after =
      file.bytes.substr(0, mark) + with_match_line(file.text, changed.line, changed);
  const std::vector<int> rounds = recorded_rounds();
  const int round = rounds.empty() ? 0 : rounds.back();
  const HistoryEntry entry{HistoryEntry::Kind::kFixtureChange, round, next_entry_number(round)};
  const std::string pairing = pairing_text(changed.home, changed.away);
  const std::vector<FileChange> changes =
      record_entry_changes(entry, {{kFixtureChangeFile, pairing + '\n' + what + '\n'}},
                           {{kFixturesFile, file.bytes}}, {{kFixturesFile, after}});
  apply_or_fail(lock, "the change of " + pairing, changes);
}

int change_fixture(const char* command, const ChangeOptions& options, bool postpone,
                   CommandContext& context) {
  std::optional<Date> date;
  std::optional<TimeOfDay> time;
  if (!postpone) {
    date = parse_date(options.date);
    if (!date) refuse_arguments(command, date_problem(options.date));
    if (!options.time.empty()) {
      time = parse_time(options.time);
      if (!time)
        refuse_arguments(command, options.time + " is not a time HH:MM from 00:00 to 23:59");
    }
  }
  const std::vector<std::string> teams =
      team_names(league_table_or_fail("; nothing changed").read.rows);
  const auto fixtures = league_fixtures(teams, "; nothing changed");
  // The teams as typed, in the written form or the stored one.
  ChangeOptions typed = options;
  const TeamNames names(teams);
  if (const auto home = names.find_exact(options.home)) typed.home = names.stored(*home);
  if (const auto away = names.find_exact(options.away)) typed.away = names.stored(*away);
  if (!fixtures) refuse({kFixturesFile, 0, "cannot be opened; nothing changed"});
  const LeagueFile file = read_league_file_or_refuse(kFixturesFile);
  Found found = find_fixture(command, typed, *fixtures);
  const std::string pairing = pairing_text(typed.home, typed.away);
  if (postpone && found.match.postponed)
    refuse_arguments(command, pairing + " is marked postponed already");

  if (!postpone && found.match.date == date && found.match.time == time)
    refuse_arguments(command, pairing + " is on that day already");
  found.match.postponed = postpone;
  found.match.date = date;
  found.match.time = time;
  const std::string what =
      postpone ? "postponed" : "moved to " + format_date(*date) + (time ? " " + options.time : "");
  record_change(found.match, what, file, context.lock);
  context.out << pairing << " (round " << found.fixture.round() << ") "
              << (postpone ? std::string("postponed, without a new date")
                           : "rearranged to " + people_day(*date, time))
              << "; " << kFixturesFile << " changed.\n";
  return 0;
}

}  // namespace

FixtureChangeRun add_fixture_changes(CLI::App& fixtures) {
  auto options = std::make_shared<ChangeOptions>();
  CLI::App* move = fixtures.add_subcommand(
      "move", "Give a fixture a date and kick-off of its own (rearranged), undoably");
  move->add_option("HOME", options->home, "The home team")->required();
  move->add_option("AWAY", options->away, "The away team")->required();
  move->add_option("DATE", options->date, "Its new date")->required()->type_name("YYYY-MM-DD");
  move->add_option("TIME", options->time, "Its kick-off")->type_name("HH:MM");
  CLI::App* postpone =
      fixtures.add_subcommand("postpone", "Mark a fixture postponed, without a new date, undoably");
  postpone->add_option("HOME", options->home, "The home team")->required();
  postpone->add_option("AWAY", options->away, "The away team")->required();
  return [options, move, postpone](CommandContext& context) -> std::optional<int> {
    if (move->parsed()) return change_fixture("league fixtures move", *options, false, context);
    if (postpone->parsed())
      return change_fixture("league fixtures postpone", *options, true, context);
    return std::nullopt;
  };
}

}  // namespace league
