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

std::vector<int> recorded_rounds() {
  std::vector<int> rounds;
  std::error_code error;
  for (fs::directory_iterator entry(kHistoryDir, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    int round = 0;
    const auto [rest, failure] = std::from_chars(name.data(), name.data() + name.size(), round);
    if (failure != std::errc() || rest != name.data() + name.size() || round < 1) continue;
    if (name != std::to_string(round)) continue;  // "07" is not round 7's folder
    if (fs::is_regular_file(entry->path() / "applied", error)) rounds.push_back(round);
  }
  std::sort(rounds.begin(), rounds.end());
  return rounds;
}

std::optional<std::string> read_round_file(int round, const std::string& name) {
  return read_whole_file(round_dir(round) + "/" + name);
}

std::optional<std::string> round_applied_at(int round) {
  const auto text = read_round_file(round, "applied");
  if (!text) return std::nullopt;
  return std::string(trimmed(*text));
}

namespace {

// Writes the files into `folder`; the first path that fails, if any.
std::optional<std::string> write_kept_files(const std::string& folder,
                                            const std::vector<FileUpdate>& files) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return folder;
  for (const FileUpdate& file : files) {
    const std::string path = folder + "/" + file.path;
    if (!replace_file(path, file.contents)) return path;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> write_round_record(int round, const RoundRecord& record) {
  const std::string dir = round_dir(round);
  std::error_code error;
  fs::remove_all(dir, error);
  std::optional<std::string> failed;
  if (error) failed = dir;
  if (!failed) failed = write_kept_files(dir + "/before", record.before);
  if (!failed) failed = write_kept_files(dir + "/after", record.after);
  if (!failed && !replace_file(dir + "/" + kResultsFile, record.results))
    failed = dir + "/" + kResultsFile;
  if (failed) fs::remove_all(dir, error);
  return failed;
}

std::string applied_stamp_now() {
  const std::time_t now = std::time(nullptr);
  std::ostringstream stamp;
  stamp << std::put_time(std::localtime(&now), "%Y-%m-%d %H:%M") << '\n';
  return stamp.str();
}

bool mark_round_applied(int round, const std::string& stamp) {
  return replace_file(round_dir(round) + "/applied", stamp);
}

bool remove_round(int round) {
  const std::string dir = round_dir(round);
  std::error_code error;
  if (fs::exists(dir + "/applied", error) && !fs::remove(dir + "/applied", error)) return false;
  fs::remove_all(dir, error);
  return true;
}

}  // namespace league
