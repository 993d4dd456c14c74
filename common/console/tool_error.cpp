#include "common/console/tool_error.h"

#include <istream>
#include <ostream>

namespace league {

void wait_for_key(std::istream& in, std::ostream& out) {
  out.flush();
  in.get();
}

int report_tool_error(const ToolError& error, std::istream& in, std::ostream& out) {
  out << error.message();
  if (error.waits_for_key()) wait_for_key(in, out);
  out.flush();
  return 1;
}

}  // namespace league
