#include <ostream>

#include "common/console/tool_error.h"
#include "league/commands.h"

namespace league {

int start_season(const NewSeasonOptions&, std::ostream&) {
  throw ToolError("league: not built yet");
}

}  // namespace league
