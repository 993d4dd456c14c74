#include "league/commands/results_entry.h"

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <tuple>

#include "common/attendances/attendances_file.h"
#include "common/console/tool_error.h"
#include "common/form/form_table.h"
#include "common/io/file_replacement.h"
#include "common/io/league_files.h"
#include "common/results/results_file.h"
#include "common/round/round_update.h"
#include "common/table/table_file.h"
#include "common/text/wording.h"
#include "league/names/team_lookup.h"
#include "league/publish/adjustment_text.h"
#include "league/season/round_check.h"
#include "league/season/round_fixtures.h"
#include "league/season/season_schedule.h"
#include "league/season/typed_results.h"
#include "league/store/history.h"
#include "league/store/reading.h"
#include "league/store/season_files.h"
#include "league/store/season_record.h"
#include "league/store/transaction.h"
#include "league/store/withdrawals.h"

namespace league {

namespace {

// The league files a round changes, as they are before it, and the results it applies.
struct RoundFiles {
  LeagueFile results;
  LeagueFile table;
  LeagueFile form;
  std::optional<LeagueFile> attendances;  // when league.dat has the league keep them
};

// Read in this order after the results; league.dat first says whether
// attendances.dat is one of them.
RoundFiles read_round_files(LeagueFile results) {
  const auto settings = read_settings();
  if (!settings) {
    refuse({kSettingsFile, 0, "cannot be opened; league round needs the league's settings"});
  }
  RoundFiles files{std::move(results), read_league_file_or_refuse(kTableFile),
                   read_league_file_or_refuse(kFormFile), std::nullopt};
  if (settings->number("Attendances_Pack") != 0)
    files.attendances = read_league_file_or_refuse(kAttendancesFile);
  return files;
}

// Every problem of results.txt at once, those of the lines that do not read
// (`unread`) among them, in line order; notes (a team with two results) go to
// `out`. With fixtures.txt, every result must also be a fixture still to play.
// `after` is the schedule once round `round` is applied, given with `fixtures`.
void check_results(const std::vector<ResultsEntry>& results, std::vector<Diagnostic> unread,
                   const std::vector<std::string>& teams, const RoundFixtures* fixtures,
                   const SeasonSchedule* after, int round, std::ostream& out) {
  RoundCheck check = check_round(results, teams);
  if (fixtures) check_round_fixtures(results, *fixtures, *after, round, teams, check);
  if (!unread.empty() || !check.problems.empty()) {
    unread.insert(unread.end(), check.problems.begin(), check.problems.end());
    std::stable_sort(unread.begin(), unread.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
    fail_all(unread, kResultsFile, "; nothing changed");
  }
  if (check.results == 0) refuse({kResultsFile, 0, "holds no results"});
  for (const Diagnostic& note : check.notes) out << describe(note) << '\n';
}

// A result against a club that has withdrawn is void; every one is refused.
void refuse_withdrawn(const std::vector<ResultsEntry>& results,
                      const std::vector<Withdrawal>& withdrawals) {
  std::vector<Diagnostic> problems;
  for (const ResultsEntry& entry : results) {
    if (const Withdrawal* withdrawal = withdrawal_in(entry, withdrawals))
      problems.push_back(
          {kResultsFile, entry.line, withdrawal_line(*withdrawal) + "; its matches are void"});
  }
  if (!problems.empty()) fail_all(problems, kResultsFile, "; nothing changed");
}

// A round's matches as the repeat guard compares them: the teams and their
// goals, in one order whatever the order, line ends or byte-order mark of the
// file they came from.
using Match = std::tuple<std::string, std::string, int, int>;
std::vector<Match> compared(const std::vector<AppliedMatch>& matches) {
  std::vector<Match> sorted;
  for (const AppliedMatch& match : matches)
    sorted.emplace_back(match.home, match.away, match.score.home, match.score.away);
  std::sort(sorted.begin(), sorted.end());
  return sorted;
}

// Refuses a round over a table.txt that is not what history/ gives, or while an
// entry's folder is half written: a round applied but not recorded (its journal
// removed by hand, table_update run beside league) would count twice.
void refuse_unrecorded(const std::vector<TableEntry>& table) {
  if (const std::vector<Diagnostic> strays = stray_folders(); !strays.empty())
    refuse({strays.front().file, 0,
            strays.front().what + "; it counts as no entry: move it out of history/"});
  if (auto disagreement = table_against_history(table)) {
    disagreement->what +=
        "; a round applied outside league round would count twice. league check lists what "
        "differs";
    refuse(*disagreement);
  }
}

// Refuses a round whose matches are those of a round in history, so that no
// round counts twice by mistake.
void refuse_repeat(const std::vector<ResultsEntry>& results,
                   const std::vector<AppliedMatch>& applied) {
  const std::vector<Match> typed = compared(matches_of_results(results, 0));
  std::map<int, std::vector<AppliedMatch>> rounds;
  for (const AppliedMatch& match : applied) rounds[match.round].push_back(match);
  for (auto round = rounds.rbegin(); round != rounds.rend(); ++round) {
    if (compared(round->second) != typed) continue;
    fail({kResultsFile, 0,
          "the same matches as round " + std::to_string(round->first) + ", applied " +
              round_applied_at(round->first).value_or("?") +
              "; nothing changed. If this round really had the same results: league round "
              "--again"});
  }
}

// The round failed where the checks of results.txt could not see it.
[[noreturn]] void refuse_failure(const RoundFailure& failure) {
  if (failure.kind == RoundFailure::Kind::kUnknownTeam)
    refuse({failure.file, 0, "no row for " + failure.team});
  refuse({kResultsFile, failure.line,
          "the result of " + failure.team + " takes a count of " + kTableFile +
              " beyond its largest number"});
}

// The round's folder (with an award's reason), the league files and
// `applied`, which makes the round count, as one transaction; the league
// files it wrote. The round keeps its results in the tools' form, and what
// was typed beside them when it differs.
std::vector<std::string> record_round(int round, const RoundFiles& files,
                                      const std::string& tools_text, const RoundTables& tables,
                                      const std::string& awarded, FolderLock& lock) {
  std::vector<FileChange> before{{kTableFile, files.table.bytes}, {kFormFile, files.form.bytes}};
  std::vector<FileChange> after{{kTableFile, format_league_table(*tables.table)},
                                {kFormFile, format_form_table(*tables.form)}};
  if (files.attendances) {
    before.push_back({kAttendancesFile, files.attendances->bytes});
    after.push_back({kAttendancesFile, format_attendances(*tables.attendances)});
  }
  std::vector<FileChange> kept{{kResultsFile, tools_text}};
  if (files.results.bytes != tools_text) kept.push_back({kTypedResultsFile, files.results.bytes});
  if (!awarded.empty()) kept.push_back({kAwardedFile, awarded + '\n'});
  const HistoryEntry entry{HistoryEntry::Kind::kRound, round, 0};
  apply_or_fail(lock, "round " + std::to_string(round),
                record_entry_changes(entry, kept, before, after));
  std::vector<std::string> written;
  for (const FileChange& file : after) written.push_back(file.path);
  return written;
}

// The tables the round changes, as read; a file that does not read ends the round.
RoundTables read_round_tables(TableRead table, const RoundFiles& files) {
  FormRead form = read_form_table(files.form.text);
  if (form.problem) refuse(*form.problem);
  RoundTables tables{std::move(table.rows), std::move(form.rows), std::nullopt};
  if (files.attendances) {
    AttendancesRead rows = read_attendances(files.attendances->text);
    if (rows.problem) refuse(*rows.problem);
    tables.attendances = std::move(rows.rows);
  }
  return tables;
}

// What the round printed first: the results named by their fixtures' rounds,
// as `schedule` has them (nothing without fixtures.txt).
void report_applied(const ResultsApplication& request, const std::vector<ResultsEntry>& results,
                    const std::optional<SeasonSchedule>& schedule, int round,
                    const std::vector<std::string>& written, std::ostream& out) {
  std::vector<AppliedMatch> matches = matches_of_results(results, round);
  for (AppliedMatch& match : matches) match.awarded = request.awarded;
  const std::size_t count = results.size();
  if (!schedule) {
    out << "Round " << round << ": " << count << (count == 1 ? " result" : " results");
  } else {
    const std::string heading = results_heading(matches, *schedule, round);
    out << heading;
    if (heading.rfind("Round ", 0) == 0)
      out << ": " << count << (count == 1 ? " result" : " results");
    else
      out << ":";
  }
  out << " applied to " << name_list(written) << ".\n";
}

}  // namespace

int apply_results(const ResultsApplication& request, CommandContext& context) {
  std::ostream& out = context.out;
  const RoundFiles files = read_round_files(request.results);
  TableRead table = read_league_table(files.table.text, kTableFile);
  if (table.problem) refuse(*table.problem);
  refuse_unrecorded(table.rows);
  const std::vector<std::string> teams = team_names(table.rows);
  // A withdrawn club's name reads, so that its result is refused naming the withdrawal.
  const std::vector<Withdrawal> withdrawals = league_withdrawals();
  const TypedResults typed =
      read_typed_results(files.results.text, TeamNames(with_withdrawn(teams, withdrawals)));
  std::vector<ResultsEntry> results = read_results(typed.tools_text);
  for (ResultsEntry& entry : results) entry.line = typed.lines[entry.line - 1];
  const int round = last_round() + 1;
  std::optional<RoundFixtures> fixtures;
  std::vector<AppliedMatch> applied = applied_matches();
  if (auto read = league_fixtures(teams, "; nothing changed"))
    fixtures = RoundFixtures{std::move(*read), applied, request.brought_forward};
  // The schedule once the round is applied, made once: the checks, the heading
  // (a fixture's round and rescheduling are the same before) and the last line use it.
  std::optional<SeasonSchedule> after;
  if (fixtures) after = schedule_after(results, *fixtures, round);
  refuse_withdrawn(results, withdrawals);
  check_results(results, typed.problems, teams, fixtures ? &*fixtures : nullptr,
                after ? &*after : nullptr, round, out);
  if (!request.again) refuse_repeat(results, applied);

  // Every new text is computed before anything is written.
  RoundTables tables = read_round_tables(std::move(table), files);
  const RoundUpdate update = apply_round(tables, results);
  if (update.failure) refuse_failure(*update.failure);
  const std::vector<std::string> written =
      record_round(round, files, typed.tools_text, tables, request.awarded, context.lock);

  for (const std::string& team : update.without_attendances)
    out << kAttendancesFile << ": no row for " << team << ", so no position factor for it\n";
  report_applied(request, results, after, round, written, out);
  if (!tables.table->empty()) out << leader_line(tables.table->front());
  if (after) out << still_to_play(*after);
  return 0;
}

}  // namespace league
