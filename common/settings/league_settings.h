#pragma once

#include <optional>
#include <string_view>

#include "common/text/whole_file.h"

namespace league {

// Which optional columns (Sub, Min, Mom, Con, Fit) the league's single-section
// rosters carry, 1 to 8, chosen from the settings Fitness, Conceded_Sub_Apps and
// Minutes.
int roster_layout_for(bool fitness, bool conceded_sub_apps, bool minutes);

// Publishes the setting lines of a league file's text into the settings store.
// The key, separator and value slots carry over from line to line: a line with
// fewer than three tokens fills only the first slots and the others keep what an
// earlier line left. Below the "Abbrevations:" line keys get the prefix "abbr_".
void publish_league_settings(std::string_view text);

// Publishes every setting line of league.dat in the current directory into the
// settings store and returns the roster layout. A league.dat that cannot be
// opened is no error: nothing is published and the layout is 1.
int load_league_settings();

// load_league_settings for a run that loads the settings over and over, once
// for every roster it reads: league.dat is read and published again only when
// it has changed since the last load (another file, another size or a later
// change time). Otherwise the layout of the last load is returned, which is
// what reading the unchanged file again would give.
class LeagueSettingsReloader {
 public:
  int load();

 private:
  std::optional<FileStamp> loaded_;  // the league.dat of the last load
  int layout_ = 1;
};

// Publishes every setting line of league.dat; a league.dat that cannot be opened
// ends the run (throws ToolError with "\nError. Failed to open league.dat\n").
void load_league_settings_strict();

}  // namespace league
