#include "league/season/grounds.h"

#include "common/text/spaces.h"

namespace league {

namespace {

// The tab-separated fields of a line, each trimmed of white space.
std::vector<std::string_view> fields(std::string_view line) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t tab = line.find('\t');
    parts.push_back(trimmed(line.substr(0, tab)));
    if (tab == std::string_view::npos) return parts;
    line.remove_prefix(tab + 1);
  }
}

}  // namespace

GroundsRead read_grounds(std::string_view text) {
  GroundsRead read;
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (trimmed(line).empty()) continue;
    const std::vector<std::string_view> parts = fields(line);
    if (parts.size() < 2 || parts.size() > 3 || parts[0].empty() || parts[1].empty()) {
      read.problems.emplace_back(number,
                                 "is not TEAM, a tab, the ground's name and optionally "
                                 "a tab and its address");
      continue;
    }
    read.grounds[std::string(parts[0])] =
        Ground{std::string(parts[1]), parts.size() == 3 ? std::string(parts[2]) : std::string()};
  }
  return read;
}

std::string format_grounds(const Grounds& grounds) {
  std::string text;
  for (const auto& [team, ground] : grounds) {
    text += team + '\t' + ground.name;
    if (!ground.address.empty()) text += '\t' + ground.address;
    text += '\n';
  }
  return text;
}

std::string ground_text(const Ground& ground) {
  return ground.address.empty() ? ground.name : ground.name + ", " + ground.address;
}

std::optional<Ground> match_venue(const Grounds& grounds, std::string_view home,
                                  const std::optional<std::string>& own_venue) {
  if (own_venue && !own_venue->empty()) return Ground{*own_venue, {}};
  const auto found = grounds.find(home);
  if (found == grounds.end()) return std::nullopt;
  return found->second;
}

}  // namespace league
