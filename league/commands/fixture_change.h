#pragma once

#include <functional>
#include <optional>

#include "league/commands/command.h"

namespace league {

// `league fixtures move HOME AWAY DATE [TIME]` gives a match a day (and
// kick-off) of its own, `league fixtures postpone HOME AWAY` marks it
// postponed without one. Each rewrites the match's line of fixtures.txt and
// records the change in history/ as one transaction, for `league undo`.

// The run of the one of them chosen on the command line; nothing when
// neither was (`league fixtures` draws then).
using FixtureChangeRun = std::function<std::optional<int>(CommandContext& context)>;

// Adds both below `league fixtures`.
FixtureChangeRun add_fixture_changes(CLI::App& fixtures);

}  // namespace league
