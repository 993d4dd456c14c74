#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace league {

// The subcommands of `league`. Each works in the current directory, prints
// what it did to `out` and returns the exit status; a fatal condition is a
// ToolError whose message run_league prints.

struct NewSeasonOptions {
  std::vector<std::string> teams;  // names given on the command line
  std::string teams_file;          // or a file of names, one per line
};
int start_season(const NewSeasonOptions& options, std::ostream& out);

struct RoundOptions {
  bool again = false;  // apply a results.txt identical to the last round's
};
int play_round(const RoundOptions& options, std::ostream& out);

struct UndoOptions {
  bool force = false;  // undo even when a file changed after the round
};
int undo_round(const UndoOptions& options, std::ostream& out);

int check_league(std::ostream& out);

struct PublishOptions {
  std::string page = "league.html";
  std::string json;  // empty: no JSON
};
int publish_standings(const PublishOptions& options, std::ostream& out);

}  // namespace league
