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
  std::string name;                // the league's name, when name_given
  bool name_given = false;
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

// Points deducted from a team or awarded to it, with the reason, recorded in
// history/ so that `league undo` takes them back (see adjustments.h).
struct AdjustOptions {
  std::string team;
  std::string points;  // as typed: "-3", "+3" or "3"
  std::string reason;
};
int adjust_points(const AdjustOptions& options, std::ostream& out);

// `league undo` when the last thing recorded is an adjustment kept under
// `round` (0 before the first round): takes back the last one.
int undo_adjustment(int round, const UndoOptions& options, std::ostream& out);

// Shows the league's name, or changes it when one is given.
struct NameOptions {
  std::string name;
  bool given = false;
};
int name_league(const NameOptions& options, std::ostream& out);

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
