#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"
#include "common/table/table_file.h"
#include "league/publish/standings_data.h"
#include "league/season/fixtures_file.h"
#include "league/season/season_schedule.h"
#include "league/store/folder_lock.h"
#include "league/store/league_keeps.h"
#include "league/store/reading.h"
#include "league/store/transaction.h"
#include "league/store/withdrawals.h"

namespace CLI {
class App;
}

namespace league {

// What the commands share. The command layer is the one that words what went
// wrong for the console and says "nothing changed": the layers below it return
// values and diagnostics. A command ends with an error by throwing the
// ToolError that fail() makes, which run_league prints.

// What a command runs with: the league folder's lock, which its changes go
// through, and where it prints what it did.
struct CommandContext {
  FolderLock& lock;
  std::ostream& out;
};

// A command ready to run, its options read; it returns the exit status. Each
// command's file defines the setup function of its row in the command table
// (app/command_table.h), which adds the command's options and returns this.
using CommandRun = std::function<int(CommandContext& context)>;

// Ends the command with the diagnostic as its message (see describe()).
[[noreturn]] void fail(const Diagnostic& diagnostic);

// Ends the command with the diagnostic, "; nothing changed" added.
[[noreturn]] void refuse(Diagnostic diagnostic);

// Ends the command with every problem on a line of its own, then
// "FILE: N problems" and `ending` ("; nothing changed").
[[noreturn]] void fail_all(const std::vector<Diagnostic>& problems, const std::string& file,
                           std::string_view ending);

// Makes the changes as one transaction (store/transaction.h); one that fails
// ends the command with its diagnostic.
void apply_or_fail(FolderLock& lock, std::string_view what, const std::vector<FileChange>& changes);

// The text of a --reason option without the white space around it. None, or
// one not fit to show (see free_text_problem), ends `command` with what is
// wrong and "; nothing changed".
std::string reason_or_refuse(const std::string& typed, const std::string& command);

// "Leader: Ashford, 7 points from 3 games.\n"
std::string leader_line(const TableEntry& leader);

// The file; one that cannot be opened ends the command ("FILE: cannot be
// opened; nothing changed").
LeagueFile read_league_file_or_refuse(const std::string& path);

// table.txt on disk and as it reads; one that cannot be opened or does not
// read ends the command, `ending` ("; nothing changed" or none) added.
struct LeagueTable {
  LeagueFile file;
  TableRead read;
};
LeagueTable league_table_or_fail(std::string_view ending);

// fixtures.txt checked against the teams of table.txt, nothing when the
// league has none. One that cannot be opened or has any problem ends the
// command: every problem with its line, then the count and `ending`.
std::optional<Fixtures> league_fixtures(const std::vector<std::string>& table_teams,
                                        std::string_view ending);

// The teams and, after them, every withdrawn club that is not one of them (an
// expunged club has left table.txt), so that its name still reads.
std::vector<std::string> with_withdrawn(std::vector<std::string> teams,
                                        const std::vector<Withdrawal>& withdrawals);

// The withdrawals that history/ keeps; one that does not read ends the command.
std::vector<Withdrawal> league_withdrawals();

// Today on the computer's clock, or the day LEAGUE_TODAY names (YYYY-MM-DD),
// which tests set; it tells a fixture whose day has passed from one to come.
std::optional<Date> league_today();

// Says which zone a new season or a draw recorded, and the note of a computer
// whose zone could not be found; nothing when the league kept one already.
void say_zone_recorded(const SeasonStart& start, std::ostream& out);

// The last round's results and, with fixtures.txt, where the season stands
// today.
Matchdays league_matchdays(const std::vector<std::string>& table_teams);

// The standings as the league's files give them, with their matchdays;
// fails naming the file that does not read.
Standings league_standings();

}  // namespace league
