#pragma once

#include <iosfwd>
#include <optional>
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

struct FixturesOptions {
  bool double_round = false;         // every pairing twice, once at each ground
  std::optional<std::string> seed;   // none: a fresh seed, written in the file
  std::optional<std::string> start;  // YYYY-MM-DD of round 1; none: undated rounds
  std::optional<std::string> every;  // days between rounds (7)
  bool force = false;                // replace a fixtures.txt none of whose fixtures has a result
};
int draw_season_fixtures(const FixturesOptions& options, std::ostream& out);

// The season at a glance: rounds applied, the leader, the last round's
// results and, with fixtures.txt, the postponed matches and the next round.
int show_status(std::ostream& out);

struct PublishOptions {
  std::string page = "league.html";
  std::string json;  // empty: no JSON
  std::string ics;   // empty: no calendar of the fixtures
};
int publish_standings(const PublishOptions& options, std::ostream& out);

}  // namespace league
