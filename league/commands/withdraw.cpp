#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <ostream>
#include <set>

#include "common/attendances/attendances_file.h"
#include "common/form/form_table.h"
#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/table/table_file.h"
#include "common/text/lines.h"
#include "common/text/near_match.h"
#include "common/text/spaces.h"
#include "common/text/wording.h"
#include "league/commands/command.h"
#include "league/season/fixtures_file.h"
#include "league/season/replay.h"
#include "league/season/season_schedule.h"
#include "league/store/history.h"
#include "league/store/reading.h"
#include "league/store/season_files.h"
#include "league/store/season_record.h"
#include "league/store/transaction.h"
#include "league/store/withdrawals.h"

namespace league {

namespace {

struct WithdrawOptions {
  std::string team;
  std::string reason;
  bool expunge = false;
  bool keep_record = false;
};

[[noreturn]] void refuse_arguments(const std::string& what) {
  fail({"league withdraw", 0, what + "; nothing changed"});
}

void check_options(const WithdrawOptions& options) {
  if (options.team.empty())
    refuse_arguments("give the team: league withdraw TEAM --expunge|--keep-record --reason TEXT");
  if (options.expunge == options.keep_record)
    refuse_arguments(
        "give one of --expunge (its results are taken out of the season) and --keep-record "
        "(its results stand, its matches still to play are void)");
}

// The team must stand in the table and not have withdrawn already.
void check_team(const std::string& team, const std::vector<std::string>& teams,
                const std::vector<Withdrawal>& withdrawals) {
  if (const Withdrawal* earlier = withdrawal_of(withdrawals, team))
    refuse_arguments(team + " withdrew already on " + earlier->applied + " (" + earlier->reason +
                     ")");
  if (std::find(teams.begin(), teams.end(), team) != teams.end()) return;
  std::string what = team + " is not a team of " + kTableFile;
  if (const auto meant = near_match(team, teams)) what += " (did you mean " + *meant + "?)";
  refuse_arguments(what);
}

// fixtures.txt with " void" after each line in `lines`; the rest byte for byte.
std::string with_void_marks(std::string_view bytes, const std::set<std::size_t>& lines) {
  std::string text;
  LineReader reader(bytes);
  while (const auto line = reader.next()) {
    if (!lines.contains(reader.line_number())) {
      text += *line;
      continue;
    }
    const std::string_view content = without_line_end(*line);
    std::string_view kept = content;
    while (!kept.empty() && is_space(kept.back())) kept.remove_suffix(1);
    text += kept;
    text += std::string(" ") + kVoidMark;
    text += line->substr(content.size());
  }
  return text;
}

// The lines of the team's fixtures that become void: every one when its
// record is expunged, those still to play when it stands.
std::set<std::size_t> void_lines(const Fixtures& fixtures, const std::string& team, bool all) {
  std::set<std::size_t> lines;
  const SeasonSchedule schedule = season_schedule(fixtures, applied_matches());
  for (const FixtureState& fixture : schedule.fixtures) {
    if (fixture.is_void() || (fixture.home() != team && fixture.away() != team)) continue;
    if (all || !fixture.played) lines.insert(fixture.line());
  }
  return lines;
}

// What the withdrawal changes: each league file before and after it.
struct Changed {
  std::vector<FileChange> before;
  std::vector<FileChange> after;
  std::vector<std::string> replayed;  // the files an expunge replays
  std::size_t voided = 0;             // fixtures made void
};

void void_fixtures(const std::vector<std::string>& teams, const std::string& team, bool all,
                   Changed& changed) {
  const std::optional<Fixtures> fixtures = league_fixtures(teams, "; nothing changed");
  if (!fixtures) return;
  const std::set<std::size_t> lines = void_lines(*fixtures, team, all);
  if (lines.empty()) return;
  const LeagueFile file = read_league_file_or_refuse(kFixturesFile);
  changed.before.push_back({kFixturesFile, file.bytes});
  changed.after.push_back({kFixturesFile, with_void_marks(file.bytes, lines)});
  changed.voided = lines.size();
}

// The season as it starts: history's first copies and entries, or, before
// any entry, the league files as they are.
SeasonRecord season_start(const std::optional<LeagueFile>& attendances) {
  SeasonRecordRead read = read_season_record();
  if (read.problem) refuse(*read.problem);
  if (read.record) return std::move(*read.record);
  SeasonRecord record;
  record.table = read_league_file_or_refuse(kTableFile).text;
  record.form = read_league_file_or_refuse(kFormFile).text;
  if (attendances) record.attendances = attendances->text;
  return record;
}

// The league files replayed without the team and every club expunged before.
void expunge(const std::string& team, const std::vector<Withdrawal>& withdrawals,
             const LeagueFile& table, Changed& changed) {
  std::optional<LeagueFile> attendances;
  if (path_exists(kAttendancesFile)) attendances = read_league_file_or_refuse(kAttendancesFile);
  const SeasonRecord record = season_start(attendances);
  std::vector<std::string> expunged;
  for (const Withdrawal& withdrawal : withdrawals)
    if (withdrawal.expunged) expunged.push_back(withdrawal.team);
  // The replay must give the table as it is, or the files were changed
  // outside the season's entries and replaying would lose that.
  const SeasonReplay as_is = replay_season(record, expunged);
  if (as_is.problem) refuse(*as_is.problem);
  TableRead rows = read_league_table(table.text, kTableFile);
  if (format_league_table(*as_is.tables.table) != format_league_table(rows.rows))
    refuse({kTableFile, 0,
            "is not what the rounds and adjustments in history/ give (league check tells "
            "more), so " +
                team + " cannot be expunged by replaying them"});
  expunged.push_back(team);
  const SeasonReplay replay = replay_season(record, expunged);
  if (replay.problem) refuse(*replay.problem);
  changed.before.push_back({kTableFile, table.bytes});
  changed.after.push_back({kTableFile, format_league_table(*replay.tables.table)});
  const LeagueFile form = read_league_file_or_refuse(kFormFile);
  changed.before.push_back({kFormFile, form.bytes});
  changed.after.push_back(
      {kFormFile, format_form_table(replay.tables.form.value_or(std::vector<FormEntry>{}))});
  if (attendances && replay.tables.attendances) {
    changed.before.push_back({kAttendancesFile, attendances->bytes});
    changed.after.push_back({kAttendancesFile, format_attendances(*replay.tables.attendances)});
  }
  for (const FileChange& file : changed.after) changed.replayed.push_back(file.path);
}

void report(std::ostream& out, const Withdrawal& withdrawal, const Changed& changed) {
  out << withdrawal.team << " withdrawn (" << withdrawal.reason << "): ";
  if (withdrawal.expunged)
    out << "its results are expunged; the season is replayed without it in "
        << name_list(changed.replayed) << ".\n";
  else
    out << "its record stands in " << kTableFile << ".\n";
  if (changed.voided > 0)
    out << changed.voided << (changed.voided == 1 ? " fixture" : " fixtures") << " of "
        << withdrawal.team << " void in " << kFixturesFile << ".\n";
}

}  // namespace

int withdraw_team(const WithdrawOptions& options, CommandContext& context) {
  check_options(options);
  const std::string reason = reason_or_refuse(options.reason, "league withdraw");
  const auto [table, rows] = league_table_or_fail("; nothing changed");
  const std::vector<std::string> teams = team_names(rows.rows);
  const WithdrawalsRead withdrawals = read_recorded_withdrawals();
  if (!withdrawals.problems.empty()) refuse(withdrawals.problems.front());
  check_team(options.team, teams, withdrawals.withdrawals);

  Changed changed;
  if (options.expunge) expunge(options.team, withdrawals.withdrawals, table, changed);
  void_fixtures(teams, options.team, options.expunge, changed);

  const int round = last_round();
  const Withdrawal withdrawal{
      round, next_entry_number(round), options.team, options.expunge, reason, {}};
  const HistoryEntry entry{HistoryEntry::Kind::kWithdrawal, withdrawal.round, withdrawal.number};
  const std::vector<FileChange> changes = record_entry_changes(
      entry, {{kWithdrawalFile, format_withdrawal(withdrawal)}}, changed.before, changed.after);
  apply_or_fail(context.lock, "the withdrawal of " + options.team, changes);
  report(context.out, withdrawal, changed);
  return 0;
}

CommandRun withdraw_command(CLI::App& command) {
  auto options = std::make_shared<WithdrawOptions>();
  command.add_option("TEAM", options->team, "The club that withdraws, as table.txt names it");
  command.add_flag("--expunge", options->expunge,
                   "Take its results out of the season: replay every round without it");
  command.add_flag("--keep-record", options->keep_record,
                   "Let its results stand; its matches still to play are void");
  command.add_option("--reason", options->reason,
                     "Why: shown with the withdrawal under the table (required)");
  return [options](CommandContext& context) { return withdraw_team(*options, context); };
}

}  // namespace league
