// Feeds arbitrary teams.dir text to the roster list reader and derives each
// roster's team.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/roster/teams_dir.h"
#include "common/text/spaces.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::size_t characters = 0;
  for (const std::string_view name : league::roster_names(text)) {
    if (name.empty()) std::abort();
    for (const char c : name) {
      if (league::is_space(c)) std::abort();
    }
    characters += name.size();
    const std::string_view team = league::team_of(name);
    if (team.find('.') != std::string_view::npos || name.substr(0, team.size()) != team) {
      std::abort();
    }
  }
  if (characters > size) std::abort();
  return 0;
}
