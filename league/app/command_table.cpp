#include "league/app/command_table.h"

namespace league {

// Each defined in the command's own file in commands/.
CommandRun new_command(CLI::App& command);
CommandRun round_command(CLI::App& command);
CommandRun award_command(CLI::App& command);
CommandRun undo_command(CLI::App& command);
CommandRun recover_command(CLI::App& command);
CommandRun adjust_command(CLI::App& command);
CommandRun name_command(CLI::App& command);
CommandRun zone_command(CLI::App& command);
CommandRun ground_command(CLI::App& command);
CommandRun check_command(CLI::App& command);
CommandRun fixtures_command(CLI::App& command);
CommandRun status_command(CLI::App& command);
CommandRun publish_command(CLI::App& command);
CommandRun import_command(CLI::App& command);
CommandRun export_command(CLI::App& command);
CommandRun withdraw_command(CLI::App& command);

std::span<const CommandRow> command_table() {
  static const CommandRow rows[] = {
      {"new", "Write table.txt and form.txt for a new season with these teams, in this order",
       Changes::kFiles, new_command},
      {"round", "Check results.txt, then apply it to table.txt, form.txt and attendances.dat",
       Changes::kFiles, round_command},
      {"award", "Apply a result the committee awarded for a fixture, with the reason, undoably",
       Changes::kFiles, award_command},
      {"undo", "Take back the last round, award, points adjustment or fixture change",
       Changes::kFiles, undo_command},
      {"recover", "Complete or roll back, from what the files hold, a run whose journal is damaged",
       Changes::kFilesPastJournal, recover_command},
      {"adjust", "Deduct points from a team or award them, with the reason, undoably",
       Changes::kFiles, adjust_command},
      {"withdraw", "Take a club out of the season: expunge its results or keep its record",
       Changes::kFiles, withdraw_command},
      {"name", "Show the league's name, or change it to TEXT", Changes::kFilesWhenArgued,
       name_command},
      {"zone", "Show the league's time zone, or keep NAME (as Europe/London) for its fixture times",
       Changes::kFilesWhenArgued, zone_command},
      {"ground", "Show the teams' grounds, or keep NAME (and --address) as TEAM's ground",
       Changes::kFilesWhenArgued, ground_command},
      {"check", "Read every file of the league and list each problem", Changes::kNothing,
       check_command},
      {"fixtures", "Draw the season's fixtures for the teams of table.txt into fixtures.txt",
       Changes::kFiles, fixtures_command},
      {"status", "Show the season at a glance: leader, last results, postponed, next round",
       Changes::kNothing, status_command},
      {"publish", "Write the standings as a web page (and as JSON, and the fixtures as a calendar)",
       Changes::kNothing, publish_command},
      {"import", "Start the season from a file of results and fixtures (CSV, Football.TXT, JSON)",
       Changes::kFiles, import_command},
      {"export", "Write the season's results and fixtures as CSV, Football.TXT or JSON",
       Changes::kNothing, export_command},
  };
  return rows;
}

}  // namespace league
