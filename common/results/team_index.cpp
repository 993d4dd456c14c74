#include "common/results/team_index.h"

namespace league {

std::optional<std::size_t> TeamIndex::find_team(std::string_view name) const {
  const auto found = rows_.find(name);
  if (found == rows_.end()) return std::nullopt;
  return found->second;
}

}  // namespace league
