#pragma once

#include <string_view>

namespace league {

// Publishes the setting lines of a league file's text into the settings store.
// The key, separator and value slots carry over from line to line: a line with
// fewer than three tokens fills only the first slots and the others keep what an
// earlier line left. Below the "Abbrevations:" line keys get the prefix "abbr_".
void publish_league_settings(std::string_view text);

// Publishes every setting line of league.dat in the current directory into the
// settings store and returns the roster layout. A league.dat that cannot be
// opened is no error: nothing is published and the layout is 1.
int load_league_settings();

// Publishes every setting line of league.dat; a league.dat that cannot be opened
// ends the run (throws ToolError with "\nError. Failed to open league.dat\n").
void load_league_settings_strict();

}  // namespace league
