#include <ostream>

#include "common/console/tool_error.h"
#include "league/commands.h"

namespace league {

int undo_round(const UndoOptions&, std::ostream&) {
  throw ToolError("league: not built yet");
}

}  // namespace league
