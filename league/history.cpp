#include "league/history.h"

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

std::string round_dir(int round) {
  return std::string(kHistoryDir) + "/" + std::to_string(round);
}

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

std::vector<int> recorded_rounds() {
  return complete_folders(kHistoryDir);
}

std::optional<std::string> read_round_file(int round, const std::string& name) {
  return read_whole_file(round_dir(round) + "/" + name);
}

std::optional<std::string> round_applied_at(int round) {
  const auto text = read_round_file(round, "applied");
  if (!text) return std::nullopt;
  return std::string(trimmed(*text));
}

std::vector<FileChange> round_record_changes(int round, const RoundRecord& record) {
  const std::string dir = round_dir(round);
  std::vector<FileChange> changes{{dir + "/" + kResultsFile, record.results}};
  for (const FileUpdate& file : record.before)
    changes.push_back({dir + "/before/" + file.path, file.contents});
  for (const FileUpdate& file : record.after)
    changes.push_back({dir + "/after/" + file.path, file.contents});
  for (FileChange& stale : round_removal_changes(round)) {
    if (std::none_of(changes.begin(), changes.end(),
                     [&](const FileChange& change) { return change.path == stale.path; }))
      changes.push_back(std::move(stale));
  }
  return changes;
}

std::vector<FileChange> round_removal_changes(int round) {
  return folder_removal_changes(round_dir(round));
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

std::string applied_stamp_now() {
  const std::time_t now = std::time(nullptr);
  std::ostringstream stamp;
  stamp << std::put_time(std::localtime(&now), "%Y-%m-%d %H:%M") << '\n';
  return stamp.str();
}

}  // namespace league
