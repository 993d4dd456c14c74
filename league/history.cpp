#include "league/history.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "common/io/whole_file.h"

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

std::optional<std::string> round_applied_at(int round) {
  auto text = read_whole_file(round_dir(round) + "/applied");
  if (!text) return std::nullopt;
  while (!text->empty() && (text->back() == '\n' || text->back() == '\r')) text->pop_back();
  return text;
}

}  // namespace league
