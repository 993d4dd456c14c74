#pragma once

#include <string>

#include "league/publish/standings_data.h"

namespace league {

// The standings as a JSON document (shape in README, "Publish the standings"):
// the league's name, the round and its date, the table rows with their forms,
// the table order after each recorded round, the points adjustments and the
// top scorers. Names are kept as the files
// write them, underscores included.
std::string standings_json(const Standings& standings);

}  // namespace league
