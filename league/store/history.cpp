#include "league/store/history.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <iomanip>
#include <sstream>
#include <system_error>

#include "common/io/whole_file.h"
#include "common/text/spaces.h"

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
  std::vector<int> rounds = recorded_rounds();
  rounds.insert(rounds.begin(), 0);
  std::vector<std::string> pairings;
  for (const int round : rounds) {
    for (const int number : recorded_fixture_changes(round)) {
      const auto text =
          read_whole_file(fixture_change_dir(round, number) + "/" + kFixtureChangeFile);
      if (!text) continue;
      pairings.emplace_back(trimmed(text->substr(0, text->find('\n'))));
    }
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
  return {{kTableFile, false}, {kFormFile, false}, {kAttendancesFile, true}};
}

std::optional<HistoryEntry> last_entry() {
  const int last = last_round();
  const std::vector<int> adjustments = recorded_adjustments(last);
  const std::vector<int> changes = recorded_fixture_changes(last);
  if (!changes.empty() && (adjustments.empty() || changes.back() > adjustments.back()))
    return HistoryEntry{HistoryEntry::Kind::kFixtureChange, last, changes.back()};
  if (!adjustments.empty())
    return HistoryEntry{HistoryEntry::Kind::kAdjustment, last, adjustments.back()};
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
    plan.files.push_back({file.name, std::move(*first), std::move(*second)});
  }
  return plan;
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
