#include <CLI/CLI.hpp>
#include <charconv>
#include <filesystem>
#include <memory>
#include <ostream>
#include <system_error>

#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/table/table_file.h"
#include "common/text/integers.h"
#include "common/text/wording.h"
#include "league/commands/command.h"
#include "league/commands/fixture_change.h"
#include "league/season/fixture_draw.h"
#include "league/season/season_schedule.h"
#include "league/store/league_keeps.h"
#include "league/store/reading.h"
#include "league/store/season_files.h"

namespace league {

namespace {

struct FixturesOptions {
  bool double_round = false;         // every pairing twice, once at each ground
  std::optional<std::string> seed;   // none: a fresh seed, written in the file
  std::optional<std::string> start;  // YYYY-MM-DD of round 1; none: undated rounds
  std::optional<std::string> every;  // days between rounds (7)
  std::optional<std::string> time;   // HH:MM kick-off of every round
  bool force = false;                // replace a fixtures.txt none of whose fixtures has a result
};

constexpr const char* kCommand = "league fixtures";

// The draw the options ask for; a seed when none is given.
DrawSettings draw_settings(const FixturesOptions& options) {
  DrawSettings settings;
  settings.double_round = options.double_round;
  if (options.seed) {
    const std::string& text = *options.seed;
    const auto [rest, error] =
        std::from_chars(text.data(), text.data() + text.size(), settings.seed);
    if (error != std::errc() || rest != text.data() + text.size())
      refuse({kCommand, 0, "--seed " + text + " is not a whole number from 0 to 4294967295"});
  } else {
    settings.seed = fresh_seed();
  }
  if (options.start) {
    settings.start = parse_date(*options.start);
    if (!settings.start) {
      const bool timed = options.start->size() > 10 && parse_date(options.start->substr(0, 10));
      refuse({kCommand, 0,
              "--start " + *options.start + " is not a day of the calendar written YYYY-MM-DD" +
                  (timed ? " (the kick-off goes in --time HH:MM)" : "")});
    }
  }
  if (options.every) {
    const auto days = parse_whole_int(*options.every);
    if (!days || *days < 1)
      refuse({kCommand, 0, "--every " + *options.every + " is not a whole number of days from 1"});
    if (!options.start) refuse({kCommand, 0, "--every needs --start, the date of round 1"});
    settings.every_days = *days;
  }
  if (options.time) {
    settings.time = parse_time(*options.time);
    if (!settings.time)
      refuse({kCommand, 0, "--time " + *options.time + " is not a time HH:MM from 00:00 to 23:59"});
    if (!options.start) refuse({kCommand, 0, "--time needs --start, the date of round 1"});
  }
  return settings;
}

// A fixtures.txt that is there already may be replaced only on request, and
// only while none of its fixtures has a result.
void guard_existing_fixtures(bool force) {
  std::error_code error;
  if (!std::filesystem::exists(kFixturesFile, error)) return;
  const auto text = read_league_file(kFixturesFile);
  if (!text) refuse({kFixturesFile, 0, "exists already and cannot be opened"});
  const Fixtures fixtures = read_fixtures(*text).fixtures;
  const SeasonSchedule schedule = season_schedule(fixtures, applied_matches());
  std::vector<std::string> played;
  for (const FixtureState& fixture : schedule.fixtures) {
    if (fixture.played)
      played.push_back(result_text(*fixture.played) + " in round " +
                       std::to_string(fixture.played->round));
  }
  if (!played.empty()) {
    const std::string count = played.size() == 1
                                  ? "1 of its fixtures has a result"
                                  : std::to_string(played.size()) + " of its fixtures have results";
    if (played.size() > 3) {
      const std::size_t more = played.size() - 3;
      played.resize(3);
      played.push_back(std::to_string(more) + " more");
    }
    fail({kFixturesFile, 0,
          count + " (" + name_list(played) +
              "); nothing changed. The season is played on these fixtures: to draw new ones, "
              "undo those rounds first"});
  }
  if (!force) {
    fail({kFixturesFile, 0,
          "exists already; nothing changed. To draw new fixtures in its place, as none of its "
          "fixtures has a result: league fixtures --force"});
  }
}

// "fixtures.txt: 190 rounds, ... drawn with seed N.\n" and, with a start,
// the days of the first and last rounds.
std::string draw_summary(const Fixtures& fixtures, std::size_t teams,
                         const DrawSettings& settings) {
  std::size_t matches = 0;
  for (const FixtureRound& round : fixtures.rounds) matches += round.matches.size();
  std::string text = std::string(kFixturesFile) + ": " + std::to_string(fixtures.rounds.size()) +
                     " rounds, " + std::to_string(matches) + " matches of " +
                     std::to_string(teams) + " teams, drawn with seed " +
                     std::to_string(settings.seed) + ".\n";
  if (settings.start) {
    text += "Round 1 is on " + format_date(*fixtures.rounds.front().date) + ", round " +
            std::to_string(fixtures.rounds.back().number) + " on " +
            format_date(*fixtures.rounds.back().date) + ".\n";
  }
  return text;
}

// How many of the fixtures history/ has a result for already.
std::size_t fixtures_played(const Fixtures& fixtures) {
  const std::vector<AppliedMatch> applied = applied_matches();
  if (applied.empty()) return 0;
  std::size_t played = 0;
  for (const FixtureState& fixture : season_schedule(fixtures, applied).fixtures)
    played += fixture.played ? 1 : 0;
  return played;
}

}  // namespace

int draw_season_fixtures(const FixturesOptions& options, CommandContext& context) {
  std::ostream& out = context.out;
  DrawSettings settings = draw_settings(options);
  const std::vector<std::string> teams =
      team_names(league_table_or_fail("; nothing changed").read.rows);
  if (teams.size() < 2)
    refuse({kTableFile, 0, "holds fewer than two teams: there is nothing to draw"});
  guard_existing_fixtures(options.force);

  Draw draw = draw_fixtures(teams, settings);
  if (draw.problem == Draw::Problem::kTeamTwice)
    refuse({kTableFile, 0, "names a team twice (league check names it)"});
  if (draw.problem == Draw::Problem::kPastYear9999)
    refuse({kCommand, 0, "a round's date would fall past the year 9999"});
  // What is said of the fixtures is taken before they are written, and the
  // fixtures let go of then, so that a season of millions of fixtures is held
  // as its text only while it is written.
  const std::string summary = draw_summary(draw.fixtures, teams.size(), settings);
  const std::size_t played = fixtures_played(draw.fixtures);
  SeasonStart start = season_start_changes(false);
  start.changes.insert(start.changes.begin(),
                       {kFixturesFile, format_fixtures(draw.fixtures, draw_comment(settings))});
  draw.fixtures = Fixtures();
  apply_or_fail(context.lock, "the fixtures", start.changes);

  out << summary;
  say_zone_recorded(start, out);
  if (played > 0) {
    out << played << (played == 1 ? " of them has a result" : " of them have results") << " in "
        << kHistoryDir << "/ already, and " << (played == 1 ? "counts" : "count")
        << " as played.\n";
  }
  return 0;
}

CommandRun fixtures_command(CLI::App& command) {
  auto options = std::make_shared<FixturesOptions>();
  command.add_flag("--double", options->double_round, "Every pairing twice, once at each ground");
  command
      .add_option("--seed", options->seed,
                  "Draw with this seed (0 to 4294967295) instead of a fresh one")
      ->type_name("N");
  command
      .add_option("--start", options->start,
                  "The date of round 1; each later round is --every days after the one before")
      ->type_name("YYYY-MM-DD");
  command
      .add_option("--every", options->every, "Days from one round's date to the next (default 7)")
      ->type_name("DAYS");
  command.add_option("--time", options->time, "Every round's kick-off on the league's clock")
      ->type_name("HH:MM");
  command.add_flag("--force", options->force,
                   "Replace fixtures.txt while none of its fixtures has a result");
  FixtureChangeRun change = add_fixture_changes(command);
  return [options, change](CommandContext& context) {
    if (const auto status = change(context)) return *status;
    return draw_season_fixtures(*options, context);
  };
}

}  // namespace league
