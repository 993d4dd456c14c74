#pragma once

#include <string>
#include <string_view>

namespace league {

// Text from the league files made safe to stand in HTML, both between tags
// and inside a quoted attribute: &, <, >, " and ' become character references.
std::string html_escape(std::string_view text);

// A team or player name as a page shows it: underscores as blanks, escaped.
std::string display_name(std::string_view name);

}  // namespace league
