#pragma once

#include <string>

#include "league/publish/standings_data.h"

namespace league {

// The standings as one self-contained HTML5 page: the style sheet and the
// chart inline, nothing loaded from elsewhere and no script, laid out for a
// phone as well as a wide screen and printing on one A4 page.
std::string standings_page(const Standings& standings);

}  // namespace league
