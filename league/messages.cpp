#include "league/messages.h"

#include "common/text/spaces.h"

namespace league {

std::string plain_message(const ToolError& error) {
  std::string text = error.message();
  while (!text.empty() && is_space(text.back())) text.pop_back();
  std::size_t start = 0;
  while (start < text.size() && is_space(text[start])) ++start;
  return text.substr(start);
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
