#include "league/check/check_history.h"

#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/results/results_file.h"
#include "league/store/history.h"
#include "league/store/season_record.h"

namespace league {

namespace {

void check_results_kept(int round, CheckReport& report) {
  const std::string path = round_dir(round) + "/" + kResultsFile;
  const auto bytes = read_whole_file(path);
  if (!bytes) {
    report.problem(
        path, 0,
        "missing or unreadable: what round " + std::to_string(round) + " applied is unknown");
    return;
  }
  for (const ResultsEntry& entry :
       read_results(std::string_view(*bytes).substr(byte_order_mark_length(*bytes)))) {
    if (!entry.result) report.problem(path, entry.line, "does not read as a result");
  }
}

// Each kept copy of the entry reads; those it left (after/), with their names.
std::vector<std::pair<std::string, std::string>> check_copies(const HistoryEntry& entry,
                                                              CheckReport& report) {
  std::vector<std::pair<std::string, std::string>> after;
  for (const HistoryEntry::File& file : entry.files()) {
    const std::string before_path = entry.dir() + "/before/" + file.name;
    const std::string after_path = entry.dir() + "/after/" + file.name;
    if (file.optional && !path_exists(before_path) && !path_exists(after_path)) continue;
    const auto before = read_whole_file(before_path);
    const auto left = read_whole_file(after_path);
    if (!before || !left) {
      report.problem(!before ? before_path : after_path, 0, "missing or unreadable");
    } else if (auto problem = kept_copies_problem(entry.dir(), file.name, *before, *left)) {
      report.problem(std::move(*problem));
    } else {
      after.emplace_back(file.name, *left);
    }
  }
  return after;
}

void check_entries(CheckReport& report) {
  std::vector<std::pair<std::string, std::string>> left;
  std::string last_dir;
  const auto check_adjustments = [&](int round) {
    for (const int number : recorded_adjustments(round)) {
      const HistoryEntry entry = adjustment_entry(round, number);
      left = check_copies(entry, report);
      last_dir = entry.dir();
    }
  };
  check_adjustments(0);
  for (const int round : recorded_rounds()) {
    check_results_kept(round, report);
    const HistoryEntry entry{HistoryEntry::Kind::kRound, round, 0};
    left = check_copies(entry, report);
    last_dir = entry.dir();
    check_adjustments(round);
  }
  for (const auto& [name, bytes] : left) {
    if (read_whole_file(name) != bytes)
      report.note(name, 0, "changed since " + last_dir + " left it (by hand?)");
  }
}

}  // namespace

void check_history(const std::vector<TableEntry>* table, CheckReport& report) {
  const std::size_t problems = report.problems();
  check_entries(report);
  for (Diagnostic& stray : stray_folders()) {
    stray.what += "; it counts as no entry: move it out of history/";
    report.problem(std::move(stray));
  }
  // A history that does not read cannot be replayed: its problems are listed.
  if (table == nullptr || report.problems() != problems) return;
  if (auto disagreement = table_against_history(*table)) report.problem(std::move(*disagreement));
}

}  // namespace league
