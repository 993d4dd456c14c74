#include "league/publish/site_pages.h"

#include <cctype>
#include <set>

#include "league/publish/percent_encoding.h"

namespace league {

namespace {

std::string team_part(std::string_view team) {
  std::string part;
  bool dash = false;
  for (const char c : team) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 || std::isalnum(byte)) {
      if (dash && !part.empty()) part += '-';
      dash = false;
      part += static_cast<char>(std::tolower(byte));
    } else {
      dash = true;
    }
  }
  return part.empty() ? "team" : part;
}

}  // namespace

std::string SitePages::team_page(std::string_view team) const {
  for (const TeamPage& page : teams)
    if (page.team == team) return page.path;
  return {};
}

SitePages site_pages(const std::string& page, const std::vector<std::string>& teams) {
  const std::size_t slash = page.find_last_of("/\\");
  const std::size_t dot = page.rfind('.');
  const bool has_extension =
      dot != std::string::npos && (slash == std::string::npos || dot > slash);
  const std::string stem = has_extension ? page.substr(0, dot) : page;
  SitePages pages{page, stem + "-fixtures.html", stem + "-grid.html", {}};
  std::set<std::string> taken;
  for (const std::string& team : teams) {
    const std::string part = team_part(team);
    std::string name = part;
    for (int count = 2; !taken.insert(name).second; ++count)
      name = part + "-" + std::to_string(count);
    pages.teams.push_back({team, stem + "-team-" + name + ".html"});
  }
  return pages;
}

std::string page_link(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  return percent_encoded(name, "-._");
}

}  // namespace league
