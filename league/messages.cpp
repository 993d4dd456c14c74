#include "league/messages.h"

#include "common/console/tool_error.h"

namespace league {

void fail(const Diagnostic& diagnostic) {
  throw ToolError(describe(diagnostic));
}

std::string name_list(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

}  // namespace league
