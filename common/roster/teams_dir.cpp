#include "common/roster/teams_dir.h"

#include "common/text/tokens.h"

namespace league {

std::vector<std::string_view> roster_names(std::string_view teams_dir) {
  return split_tokens(teams_dir);
}

std::string_view team_of(std::string_view roster_name) {
  return roster_name.substr(0, roster_name.find('.'));
}

}  // namespace league
