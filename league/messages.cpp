#include "league/messages.h"

#include "common/text/spaces.h"

namespace league {

std::string plain_message(const ToolError& error) {
  return std::string(trimmed(error.message()));
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
