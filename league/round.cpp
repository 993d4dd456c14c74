#include <optional>
#include <ostream>

#include "common/console/tool_error.h"
#include "common/io/file_replacement.h"
#include "common/io/whole_file.h"
#include "common/settings/league_settings.h"
#include "common/settings/settings_store.h"
#include "form_update/form_results.h"
#include "form_update/form_table.h"
#include "league/commands.h"
#include "league/history.h"
#include "league/messages.h"
#include "league/round_check.h"
#include "league/transaction.h"
#include "table_update/attendance_update.h"
#include "table_update/attendances_file.h"
#include "table_update/table_file.h"
#include "table_update/table_results.h"

namespace league {

namespace {

// A league file as it is on disk (kept in history to be put back byte for
// byte) and as the tools read it.
struct LeagueFile {
  std::string bytes;
  std::string text;
};

LeagueFile read_league(const char* name) {
  auto bytes = read_whole_file(name);
  if (!bytes) throw ToolError(std::string(name) + ": cannot be opened; nothing changed");
  std::string text = bytes->substr(byte_order_mark_length(*bytes));
  return {std::move(*bytes), std::move(text)};
}

// Runs one of the shared readers or updates; its error, which names the file
// or the result, ends the round.
template <typename Step>
auto or_refuse(Step step, const std::string& context = "") {
  try {
    return step();
  } catch (const ToolError& error) {
    throw ToolError(context + plain_message(error) + "\nNothing changed.");
  }
}

// Every problem of results.txt at once; notes (a team with two results) go to `out`.
std::size_t check_results(const std::string& results, const std::vector<TableEntry>& table,
                          std::ostream& out) {
  std::vector<std::string> teams;
  for (const TableEntry& entry : table) teams.push_back(entry.Team);
  const RoundCheck check = check_round(results, teams);
  if (!check.problems.empty()) {
    std::string message;
    for (const RoundProblem& problem : check.problems) message += describe(problem) + "\n";
    message += "results.txt: " + std::to_string(check.problems.size()) +
               (check.problems.size() == 1 ? " problem" : " problems") + "; nothing changed.";
    throw ToolError(message);
  }
  if (check.results == 0) throw ToolError("results.txt holds no results; nothing changed.");
  for (const RoundProblem& note : check.notes) out << describe(note) << '\n';
  return check.results;
}

void refuse_repeat(const std::string& results, const std::vector<int>& rounds) {
  if (rounds.empty()) return;
  const int last = rounds.back();
  if (read_round_file(last, "results.txt") != results) return;
  throw ToolError("results.txt is the same as round " + std::to_string(last) + "'s, applied " +
                  round_applied_at(last).value_or("?") +
                  "; nothing changed. If this round really had the same results: league round "
                  "--again");
}

}  // namespace

int play_round(const RoundOptions& options, std::ostream& out) {
  try {
    load_league_settings_strict();
  } catch (const ToolError&) {
    throw ToolError(
        "league.dat: cannot be opened; league round needs the league's settings. "
        "Nothing changed.");
  }
  const bool attendances = setting_number("Attendances_Pack") != 0;
  const LeagueFile results = read_league(kResultsFile);
  const LeagueFile table_file = read_league(kTableFile);
  const LeagueFile form_file = read_league(kFormFile);
  std::optional<LeagueFile> attendances_file;
  if (attendances) attendances_file = read_league(kAttendancesFile);

  std::vector<TableEntry> table = or_refuse([&] { return read_league_table(table_file.text); });
  const std::size_t result_count = check_results(results.text, table, out);
  const std::vector<int> rounds = recorded_rounds();
  if (!options.again) refuse_repeat(results.bytes, rounds);

  // Every new text is computed before anything is written.
  or_refuse([&] {
    apply_round(table, results.text);
    return 0;
  });
  order_league_table(table);
  std::vector<FormEntry> form = or_refuse([&] { return read_form_table(form_file.text); });
  or_refuse(
      [&] {
        apply_form_results(form, results.text);
        return 0;
      },
      "form.txt: ");
  order_form_table(form);

  RoundRecord record{results.bytes, {}, {}};
  record.before.push_back({kTableFile, table_file.bytes});
  record.after.push_back({kTableFile, format_league_table(table)});
  record.before.push_back({kFormFile, form_file.bytes});
  record.after.push_back({kFormFile, format_form_table(form)});
  std::vector<std::string> without_row;
  if (attendances_file) {
    std::vector<AttendanceRow> rows =
        or_refuse([&] { return read_attendances(attendances_file->text); });
    for (const std::string_view team : update_position_factors(rows, table))
      without_row.emplace_back(team);
    record.before.push_back({kAttendancesFile, attendances_file->bytes});
    record.after.push_back({kAttendancesFile, format_attendances(rows)});
  }

  // The round's folder, the league files and `applied`, which makes the round
  // count, as one transaction.
  const int round = rounds.empty() ? 1 : rounds.back() + 1;
  std::vector<FileChange> changes = round_record_changes(round, record);
  for (const FileUpdate& file : record.after) changes.push_back({file.path, file.contents});
  changes.push_back({round_dir(round) + "/applied", applied_stamp_now()});
  if (const auto failed = apply_transaction("round " + std::to_string(round), changes))
    throw ToolError(describe(*failed));

  for (const std::string& team : without_row)
    out << "attendances.dat: no row for " << team << ", so no position factor for it\n";
  std::vector<std::string> written;
  for (const FileUpdate& file : record.after) written.push_back(file.path);
  out << "Round " << round << ": " << result_count << (result_count == 1 ? " result" : " results")
      << " applied to " << name_list(written) << ".\n";
  if (!table.empty()) {
    out << "Leader: " << table.front().Team << ", " << table.front().Pts << " points from "
        << table.front().P << (table.front().P == 1 ? " game" : " games") << ".\n";
  }
  return 0;
}

}  // namespace league
