#include "league/store/history.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <iomanip>
#include <sstream>
#include <system_error>
#include <utility>

#include "common/attendances/attendances_file.h"
#include "common/form/form_table.h"
#include "common/io/whole_file.h"
#include "common/table/table_file.h"
#include "common/text/spaces.h"
#include "league/store/reading.h"
#include "league/store/withdrawals.h"

namespace league {

namespace fs = std::filesystem;

namespace {

// The numbers n of the folders <dir>/<n> (1, 2, ..., written without leading
// zeros) that hold `applied`, ascending.
std::vector<int> complete_folders(const std::string& dir) {
  std::vector<int> numbers;
  std::error_code error;
  for (fs::directory_iterator entry(dir, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    int number = 0;
    const auto [rest, failure] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (failure != std::errc() || rest != name.data() + name.size() || number < 1) continue;
    if (name != std::to_string(number)) continue;  // "07" is not round 7's folder
    if (fs::is_regular_file(entry->path() / "applied", error)) numbers.push_back(number);
  }
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

// The text of an `applied` file for the present moment, local time.
std::string applied_stamp_now() {
  const std::time_t now = std::time(nullptr);
  std::ostringstream stamp;
  stamp << std::put_time(std::localtime(&now), "%Y-%m-%d %H:%M") << '\n';
  return stamp.str();
}

}  // namespace

std::string round_dir(int round) {
  return std::string(kHistoryDir) + "/" + std::to_string(round);
}

std::string round_table_path(int round) {
  return round_dir(round) + "/after/" + kTableFile;
}

std::string adjustment_dir(int round, int number) {
  return round_dir(round) + "/adjustments/" + std::to_string(number);
}

std::vector<int> recorded_adjustments(int round) {
  return complete_folders(round_dir(round) + "/adjustments");
}

std::string fixture_change_dir(int round, int number) {
  return round_dir(round) + "/fixtures/" + std::to_string(number);
}

std::vector<int> recorded_fixture_changes(int round) {
  return complete_folders(round_dir(round) + "/fixtures");
}

int next_entry_number(int round) {
  const std::vector<int> adjustments = recorded_adjustments(round);
  const std::vector<int> changes = recorded_fixture_changes(round);
  const int last =
      std::max(adjustments.empty() ? 0 : adjustments.back(), changes.empty() ? 0 : changes.back());
  return last + 1;
}

std::vector<std::string> changed_pairings() {
  std::vector<std::string> pairings;
  for (const HistoryEntry& change : recorded_entries(HistoryEntry::Kind::kFixtureChange)) {
    const auto text = read_whole_file(change.dir() + "/" + kFixtureChangeFile);
    if (text) pairings.emplace_back(trimmed(text->substr(0, text->find('\n'))));
  }
  return pairings;
}

std::string HistoryEntry::dir() const {
  if (kind == Kind::kFixtureChange) return fixture_change_dir(round, number);
  return kind == Kind::kRound ? round_dir(round) : adjustment_dir(round, number);
}

std::vector<HistoryEntry::File> HistoryEntry::files() const {
  if (kind == Kind::kAdjustment) return {{kTableFile, false}};
  if (kind == Kind::kFixtureChange) return {{kFixturesFile, false}};
  if (kind == Kind::kWithdrawal)
    return {{kTableFile, true}, {kFormFile, true}, {kAttendancesFile, true}, {kFixturesFile, true}};
  return {{kTableFile, false}, {kFormFile, false}, {kAttendancesFile, true}};
}

HistoryEntry adjustment_entry(int round, int number) {
  const bool withdrawal = holds_withdrawal(adjustment_dir(round, number));
  return {withdrawal ? HistoryEntry::Kind::kWithdrawal : HistoryEntry::Kind::kAdjustment, round,
          number};
}

std::vector<HistoryEntry> recorded_entries(HistoryEntry::Kind kind) {
  std::vector<int> rounds = recorded_rounds();
  rounds.insert(rounds.begin(), 0);
  const bool changes = kind == HistoryEntry::Kind::kFixtureChange;
  std::vector<HistoryEntry> entries;
  for (const int round : rounds) {
    for (const int number :
         changes ? recorded_fixture_changes(round) : recorded_adjustments(round)) {
      const bool withdrawal = !changes && holds_withdrawal(adjustment_dir(round, number));
      if (withdrawal == (kind == HistoryEntry::Kind::kWithdrawal))
        entries.push_back({kind, round, number});
    }
  }
  return entries;
}

std::optional<std::string> fixtures_text_after(int round) {
  std::optional<HistoryEntry> first;
  for (const HistoryEntry::Kind kind :
       {HistoryEntry::Kind::kFixtureChange, HistoryEntry::Kind::kWithdrawal}) {
    for (const HistoryEntry& entry : recorded_entries(kind)) {
      if (entry.round < round || !path_exists(entry.dir() + "/before/" + kFixturesFile)) continue;
      if (!first || std::pair(entry.round, entry.number) < std::pair(first->round, first->number))
        first = entry;
      break;
    }
  }
  if (!first) return std::nullopt;
  const std::optional<LeagueFile> file =
      read_league_file_bytes(first->dir() + "/before/" + kFixturesFile);
  if (!file) return std::nullopt;
  return file->text;
}

std::optional<HistoryEntry> last_entry() {
  const int last = last_round();
  const std::vector<int> adjustments = recorded_adjustments(last);
  const std::vector<int> changes = recorded_fixture_changes(last);
  if (!changes.empty() && (adjustments.empty() || changes.back() > adjustments.back()))
    return HistoryEntry{HistoryEntry::Kind::kFixtureChange, last, changes.back()};
  if (!adjustments.empty()) return adjustment_entry(last, adjustments.back());
  if (last == 0) return std::nullopt;
  return HistoryEntry{HistoryEntry::Kind::kRound, last, 0};
}

UndoPlan plan_undo(const HistoryEntry& entry) {
  UndoPlan plan;
  const std::string dir = entry.dir();
  // A round's copies are read after/ first, an adjustment's before/ first:
  // the first one missing is the one named.
  const bool after_first = entry.kind == HistoryEntry::Kind::kRound;
  for (const HistoryEntry::File& file : entry.files()) {
    const std::string before = dir + "/before/" + file.name;
    const std::string after = dir + "/after/" + file.name;
    if (file.optional && !path_exists(before) && !path_exists(after)) continue;
    auto first = read_whole_file(after_first ? after : before);
    auto second = first ? read_whole_file(after_first ? before : after) : std::nullopt;
    if (!first || !second) {
      plan.unreadable = !first ? (after_first ? after : before) : (after_first ? before : after);
      return plan;
    }
    if (after_first) std::swap(first, second);
    if (auto problem = kept_copies_problem(dir, file.name, *first, *second)) {
      plan.damaged = std::move(problem);
      return plan;
    }
    plan.files.push_back({file.name, std::move(*first), std::move(*second)});
  }
  return plan;
}

namespace {

template <typename Read>
std::vector<std::string> sorted_teams(const Read& read) {
  std::vector<std::string> teams;
  for (const auto& row : read.rows) teams.push_back(row.Team);
  std::sort(teams.begin(), teams.end());
  return teams;
}

// The copy's problem as the tools read it, else its teams, sorted.
struct CopyRead {
  std::optional<Diagnostic> problem;
  std::vector<std::string> teams;
};

CopyRead read_copy(const std::string& path, const std::string& name, std::string_view bytes) {
  const std::string_view text = bytes.substr(byte_order_mark_length(bytes));
  CopyRead read;
  if (name == kTableFile) {
    const TableRead table = read_league_table(text, path);
    read = {table.problem, sorted_teams(table)};
  } else if (name == kFormFile) {
    const FormRead form = read_form_table(text);
    read = {form.problem, sorted_teams(form)};
  } else if (name == kAttendancesFile) {
    const AttendancesRead rows = read_attendances(text);
    read = {rows.problem, sorted_teams(rows)};
  }
  if (read.problem) read.problem->file = path;
  return read;
}

}  // namespace

std::optional<Diagnostic> kept_copies_problem(const std::string& dir, const std::string& name,
                                              std::string_view before, std::string_view after) {
  const std::string before_path = dir + "/before/" + name;
  const CopyRead first = read_copy(before_path, name, before);
  if (first.problem) return first.problem;
  const CopyRead second = read_copy(dir + "/after/" + name, name, after);
  if (second.problem) return second.problem;
  // A withdrawal whose record is expunged takes its club out of after/.
  const bool expunged = first.teams.size() == second.teams.size() + 1 &&
                        std::includes(first.teams.begin(), first.teams.end(), second.teams.begin(),
                                      second.teams.end()) &&
                        path_exists(dir + "/" + kWithdrawalFile);
  // A copy cut short between two rows reads, but lacks teams the other holds.
  if (first.teams != second.teams && !expunged)
    return Diagnostic{before_path, 0,
                      "holds " + std::to_string(first.teams.size()) + " teams and after/" + name +
                          " " + std::to_string(second.teams.size()) +
                          ": one of them is cut short or damaged"};
  return std::nullopt;
}

namespace {

// An entry's folder: history/<n> (n from 1) or history/<n>/adjustments/<k>.
bool is_entry_folder(const fs::path& relative) {
  const auto is_number = [](const fs::path& part) {
    const std::string name = part.string();
    return !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
  };
  std::vector<fs::path> parts(relative.begin(), relative.end());
  if (parts.size() == 2) return is_number(parts[1]) && parts[1] != "0";
  return parts.size() == 4 && is_number(parts[1]) && parts[2] == "adjustments" &&
         is_number(parts[3]);
}

// Every folder below history/, deepest first.
std::vector<fs::path> history_folders() {
  std::vector<fs::path> folders;
  std::error_code error;
  for (fs::recursive_directory_iterator entry(kHistoryDir, error), end; !error && entry != end;
       entry.increment(error)) {
    std::error_code status_error;
    if (fs::is_directory(entry->symlink_status(status_error)) &&
        entry->path().lexically_normal().generic_string() != std::string(kHistoryDir) + "/lock")
      folders.push_back(entry->path().lexically_normal());
  }
  std::sort(folders.rbegin(), folders.rend());
  return folders;
}

}  // namespace

std::vector<Diagnostic> stray_folders() {
  std::vector<Diagnostic> strays;
  for (const fs::path& folder : history_folders()) {
    std::error_code error;
    const std::string name = folder.generic_string();
    if (fs::is_empty(folder, error) && !error) {
      strays.push_back({name, 0, "an empty folder, which an interrupted or failed run left"});
    } else if (is_entry_folder(folder) && !fs::is_regular_file(folder / "applied", error)) {
      strays.push_back({name, 0,
                        "holds no `applied`: what an interrupted run left half written or half "
                        "removed, its journal since lost"});
    }
  }
  std::reverse(strays.begin(), strays.end());
  return strays;
}

std::vector<std::string> remove_empty_folders() {
  std::vector<std::string> removed;
  for (const fs::path& folder : history_folders()) {
    std::error_code error;
    if (fs::is_empty(folder, error) && !error && fs::remove(folder, error))
      removed.push_back(folder.generic_string());
  }
  return removed;
}

std::vector<int> recorded_rounds() {
  return complete_folders(kHistoryDir);
}

int last_round() {
  const std::vector<int> rounds = recorded_rounds();
  return rounds.empty() ? 0 : rounds.back();
}

std::optional<std::string> read_round_file(int round, const std::string& name) {
  return read_whole_file(round_dir(round) + "/" + name);
}

std::optional<std::string> awarded_reason(int round) {
  const auto text = read_round_file(round, kAwardedFile);
  if (!text) return std::nullopt;
  return std::string(trimmed(*text));
}

std::optional<std::string> round_applied_at(int round) {
  const auto text = read_round_file(round, "applied");
  if (!text) return std::nullopt;
  return std::string(trimmed(*text));
}

std::vector<FileChange> record_entry_changes(const HistoryEntry& entry,
                                             const std::vector<FileChange>& kept,
                                             const std::vector<FileChange>& before,
                                             const std::vector<FileChange>& after,
                                             std::optional<std::string> applied_at) {
  const std::string dir = entry.dir();
  std::vector<FileChange> changes;
  for (const FileChange& file : kept) changes.push_back({dir + "/" + file.path, file.contents});
  for (const FileChange& file : before)
    changes.push_back({dir + "/before/" + file.path, file.contents});
  for (const FileChange& file : after)
    changes.push_back({dir + "/after/" + file.path, file.contents});
  for (FileChange& stale : folder_removal_changes(dir)) {
    if (std::none_of(changes.begin(), changes.end(),
                     [&](const FileChange& change) { return change.path == stale.path; }))
      changes.push_back(std::move(stale));
  }
  changes.insert(changes.end(), after.begin(), after.end());
  changes.push_back({dir + "/applied", applied_at ? std::move(*applied_at) : applied_stamp_now()});
  return changes;
}

std::vector<FileChange> folder_removal_changes(const std::string& dir) {
  std::vector<std::string> files;
  std::error_code error;
  for (fs::recursive_directory_iterator entry(dir, error), end; !error && entry != end;
       entry.increment(error)) {
    if (!entry->is_directory(error))
      files.push_back(dir + "/" + entry->path().lexically_relative(dir).generic_string());
  }
  std::sort(files.begin(), files.end());
  std::vector<FileChange> changes;
  const std::string applied = dir + "/applied";
  if (std::find(files.begin(), files.end(), applied) != files.end())
    changes.push_back({applied, std::nullopt});
  for (const std::string& file : files) {
    if (file != applied) changes.push_back({file, std::nullopt});
  }
  return changes;
}

}  // namespace league
