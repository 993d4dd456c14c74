#include <ostream>

#include "common/console/tool_error.h"
#include "league/commands.h"

namespace league {

int check_league(std::ostream&) {
  throw ToolError("league: not built yet");
}

}  // namespace league
