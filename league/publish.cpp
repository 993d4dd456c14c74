#include <ostream>

#include "common/console/tool_error.h"
#include "league/commands.h"

namespace league {

int publish_standings(const PublishOptions&, std::ostream&) {
  throw ToolError("league: not built yet");
}

}  // namespace league
