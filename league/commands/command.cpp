#include "league/commands/command.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <ostream>

#include "common/console/tool_error.h"
#include "common/io/league_files.h"
#include "common/text/free_text.h"
#include "common/text/spaces.h"
#include "common/text/wording.h"
#include "league/names/team_name.h"
#include "league/store/history.h"
#include "league/store/season_files.h"

namespace league {

void fail(const Diagnostic& diagnostic) {
  throw ToolError(describe(diagnostic));
}

void refuse(Diagnostic diagnostic) {
  diagnostic.what += "; nothing changed";
  fail(diagnostic);
}

void fail_all(const std::vector<Diagnostic>& problems, const std::string& file,
              std::string_view ending) {
  std::string message;
  for (const Diagnostic& problem : problems) message += describe(problem) + '\n';
  message += describe({file, 0, count_of(problems.size(), "problem") + std::string(ending)});
  throw ToolError(message);
}

void apply_or_fail(FolderLock& lock, std::string_view what,
                   const std::vector<FileChange>& changes) {
  if (const auto failed = apply_transaction(lock, what, changes)) fail(*failed);
}

std::string reason_or_refuse(const std::string& typed, const std::string& command) {
  std::string reason(trimmed(typed));
  if (reason.empty()) refuse({command, 0, "no reason given (--reason TEXT says why)"});
  if (const auto problem = free_text_problem(reason))
    refuse({command, 0, "the reason " + *problem});
  return reason;
}

std::string leader_line(const TableEntry& leader) {
  return "Leader: " + written_form(leader.Team) + ", " + std::to_string(leader.Pts) +
         " points from " + std::to_string(leader.P) + (leader.P == 1 ? " game" : " games") + ".\n";
}

LeagueFile read_league_file_or_refuse(const std::string& path) {
  auto file = read_league_file_bytes(path);
  if (!file) fail({path, 0, "cannot be opened; nothing changed"});
  return std::move(*file);
}

LeagueTable league_table_or_fail(std::string_view ending) {
  auto file = read_league_file_bytes(kTableFile);
  if (!file) fail({kTableFile, 0, "cannot be opened" + std::string(ending)});
  TableRead read = read_league_table(file->text, kTableFile);
  if (read.problem)
    fail({read.problem->file, read.problem->line, read.problem->what + std::string(ending)});
  return {std::move(*file), std::move(read)};
}

std::optional<Fixtures> league_fixtures(const std::vector<std::string>& table_teams,
                                        std::string_view ending) {
  LeagueFixturesRead read = read_league_fixtures(table_teams);
  if (read.unopened) fail({kFixturesFile, 0, read.unopened->what + std::string(ending)});
  if (!read.problems.empty()) fail_all(read.problems, kFixturesFile, ending);
  return std::move(read.fixtures);
}

std::optional<Date> league_today() {
  if (const char* day = std::getenv("LEAGUE_TODAY")) return parse_date(day);
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  if (local == nullptr) return std::nullopt;
  return Date{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}

std::vector<std::string> with_withdrawn(std::vector<std::string> teams,
                                        const std::vector<Withdrawal>& withdrawals) {
  for (const Withdrawal& withdrawal : withdrawals) {
    if (std::find(teams.begin(), teams.end(), withdrawal.team) == teams.end())
      teams.push_back(withdrawal.team);
  }
  return teams;
}

std::vector<Withdrawal> league_withdrawals() {
  WithdrawalsRead read = read_recorded_withdrawals();
  if (!read.problems.empty()) fail_all(read.problems, kHistoryDir, "; nothing changed");
  return std::move(read.withdrawals);
}

Matchdays league_matchdays(const std::vector<std::string>& table_teams) {
  AppliedMatchesRead read = read_applied_matches();
  if (!read.problems.empty())
    fail_all(read.problems, kHistoryDir, "; nothing is shown from results that do not read");
  const std::vector<AppliedMatch> applied = std::move(read.matches);
  std::optional<Fixtures> fixtures = league_fixtures(table_teams, "");
  return matchdays_of(applied, last_round(), std::move(fixtures), league_today());
}

Standings league_standings() {
  StandingsRead read = gather_standings();
  if (read.problem) fail(*read.problem);
  std::vector<std::string> teams;
  for (const StandingsRow& row : read.standings.table) teams.push_back(row.entry.Team);
  read.standings.matchdays = league_matchdays(teams);
  return std::move(read.standings);
}

void say_zone_recorded(const SeasonStart& start, std::ostream& out) {
  if (!start.zone_recorded) return;
  out << "Fixture times are read in " << start.zone_recorded->name;
  if (start.note) out << ": " << *start.note;
  out << " (league zone NAME changes it).\n";
}

}  // namespace league
