#include "league/publish/publish_text.h"

#include "common/text/wording.h"
#include "league/names/team_name.h"

namespace league {

std::string html_escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string display_name(std::string_view name) {
  return html_escape(written_form(name));
}

}  // namespace league
