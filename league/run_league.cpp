#include "league/run_league.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>
#include <utility>

#include "common/console/tool_error.h"
#include "common/io/league_files.h"
#include "league/commands.h"
#include "league/folder_lock.h"
#include "league/messages.h"
#include "league/near_match.h"
#include "league/transaction.h"

namespace league {

int run_league(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app{
      "Keeps a league's season around the four tools: starts it, draws its fixtures,\n"
      "plays each round safely with a history to undo it, checks the files and\n"
      "publishes the standings.",
      "league"};
  app.set_version_flag("--version", std::string("league ") + LEAGUE_VERSION);
  app.require_subcommand(1);

  NewSeasonOptions new_options;
  CLI::App* new_command = app.add_subcommand(
      "new", "Write table.txt and form.txt for a new season with these teams, in this order");
  CLI::Option* names = new_command->add_option("NAME", new_options.teams, "The teams");
  new_command
      ->add_option("--teams", new_options.teams_file,
                   "A file of team names, one per line (blank lines skipped)")
      ->excludes(names);
  CLI::Option* new_name =
      new_command->add_option("--name", new_options.name, "The league's name, shown on its page");

  RoundOptions round_options;
  CLI::App* round_command = app.add_subcommand(
      "round", "Check results.txt, then apply it to table.txt, form.txt and attendances.dat");
  round_command->add_flag("--again", round_options.again,
                          "Apply a results.txt that is the same as the last round's");

  UndoOptions undo_options;
  CLI::App* undo_command =
      app.add_subcommand("undo", "Take back the last round or points adjustment");
  undo_command->add_flag("--force", undo_options.force,
                         "Undo even when a file was changed after that round");

  AdjustOptions adjust_options;
  CLI::App* adjust_command = app.add_subcommand(
      "adjust", "Deduct points from a team or award them, with the reason, undoably");
  adjust_command->add_option("TEAM", adjust_options.team, "The team, as table.txt names it");
  adjust_command->add_option("POINTS", adjust_options.points,
                             "The points to add: -3 deducts three, +3 or 3 awards three");
  adjust_command->add_option("--reason", adjust_options.reason,
                             "Why: shown with the adjustment on the page (required)");

  NameOptions name_options;
  CLI::App* name_command =
      app.add_subcommand("name", "Show the league's name, or change it to TEXT");
  CLI::Option* name_text = name_command->add_option("TEXT", name_options.name, "The new name");

  CLI::App* check_command =
      app.add_subcommand("check", "Read every file of the league and list each problem");

  FixturesOptions fixtures_options;
  CLI::App* fixtures_command = app.add_subcommand(
      "fixtures", "Draw the season's fixtures for the teams of table.txt into fixtures.txt");
  fixtures_command->add_flag("--double", fixtures_options.double_round,
                             "Every pairing twice, once at each ground");
  fixtures_command
      ->add_option("--seed", fixtures_options.seed,
                   "Draw with this seed (0 to 4294967295) instead of a fresh one")
      ->type_name("N");
  fixtures_command
      ->add_option("--start", fixtures_options.start,
                   "The date of round 1; each later round is --every days after the one before")
      ->type_name("YYYY-MM-DD");
  fixtures_command
      ->add_option("--every", fixtures_options.every,
                   "Days from one round's date to the next (default 7)")
      ->type_name("DAYS");
  fixtures_command->add_flag("--force", fixtures_options.force,
                             "Replace fixtures.txt while none of its fixtures has a result");

  CLI::App* status_command = app.add_subcommand(
      "status", "Show the season at a glance: leader, last results, postponed, next round");

  PublishOptions publish_options;
  CLI::App* publish_command =
      app.add_subcommand("publish",
                         "Write the standings as a web page (and as JSON, and the "
                         "fixtures as a calendar)");
  publish_command->add_option("--out", publish_options.page, "The page (default: league.html)");
  publish_command->add_option("--json", publish_options.json, "Also write the standings as JSON");
  publish_command->add_option("--ics", publish_options.ics,
                              "Also write the fixtures of fixtures.txt as an iCalendar file");

  // A command word that is no command: named, with the command meant.
  if (!args.empty() && !args.front().empty() && args.front().front() != '-') {
    std::vector<std::string> commands;
    for (const CLI::App* command :
         std::as_const(app).get_subcommands([](const CLI::App*) { return true; }))
      commands.push_back(command->get_name());
    if (std::find(commands.begin(), commands.end(), args.front()) == commands.end()) {
      std::string message = "league " + args.front() + ": no such command";
      if (const auto meant = near_match(args.front(), commands))
        message += "; did you mean " + *meant + "?";
      err << message << " (league --help lists them)\n";
      return 1;
    }
  }

  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    // --help and --version end here with 0; a mistake in the arguments with 1.
    return app.exit(error, out, err) == 0 ? 0 : 1;
  }
  new_options.name_given = new_name->count() > 0;
  name_options.given = name_text->count() > 0;

  // One command at a time in a league folder, and first of all what an
  // interrupted one left is completed or rolled back.
  const FolderLock lock;
  const bool changes_files = *new_command || *round_command || *undo_command || *adjust_command ||
                             *fixtures_command || (*name_command && name_options.given);
  switch (lock.state()) {
    case FolderLock::State::kBusy:
      err << describe({std::string(kHistoryDir) + "/lock", 0,
                       "another league command is running in this folder; nothing changed"})
          << '\n';
      return 1;
    case FolderLock::State::kUnavailable:
      if (changes_files) {
        err << describe({std::string(kHistoryDir) + "/lock", 0,
                         "cannot be created (" + lock.reason() + "); nothing changed"})
            << '\n';
        return 1;
      }
      break;  // a folder no one can write to needs no lock to be read
    case FolderLock::State::kHeld: {
      const Recovery recovery = recover_interrupted();
      if (!recovery.removed.empty()) {
        out << "Removed " << name_list(recovery.removed)
            << (recovery.removed.size() == 1 ? ", a temporary file" : ", temporary files")
            << " that an interrupted run left behind.\n";
      }
      if (recovery.report) out << *recovery.report << '\n';
      if (recovery.failure) {
        out.flush();
        err << describe(*recovery.failure) << '\n';
        return 1;
      }
      break;
    }
  }

  try {
    if (*new_command) return start_season(new_options, out);
    if (*round_command) return play_round(round_options, out);
    if (*undo_command) return undo_round(undo_options, out);
    if (*adjust_command) return adjust_points(adjust_options, out);
    if (*name_command) return name_league(name_options, out);
    if (*check_command) return check_league(out);
    if (*fixtures_command) return draw_season_fixtures(fixtures_options, out);
    if (*status_command) return show_status(out);
    if (*publish_command) return publish_standings(publish_options, out);
  } catch (const ToolError& error) {
    out.flush();
    err << error.message() << '\n';
    return 1;
  } catch (const std::exception& error) {
    // Anything else (memory, the file system refusing a folder) ends the
    // command as cleanly: a message and status 1, never an abort.
    out.flush();
    err << "league: " << error.what() << '\n';
    return 1;
  }
  return 1;
}

}  // namespace league
