#include <ostream>

#include "common/console/tool_error.h"
#include "league/commands.h"

namespace league {

int play_round(const RoundOptions&, std::ostream&) {
  throw ToolError("league: not built yet");
}

}  // namespace league
