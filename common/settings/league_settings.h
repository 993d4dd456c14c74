#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace league {

// One line of a league file's text as the settings loader reads it, with the
// key, separator and value slots as they stand after the line was scanned.
struct LeagueSettingLine {
  std::size_t number = 0;      // the physical line the piece starts on, from 1
  std::string_view text;       // the piece read (at most 499 characters), line end included
  std::size_t own_tokens = 0;  // how many slots this line itself filled, 0 to 3
  std::string_view key;
  std::string_view separator;
  std::string_view value;
  bool abbreviation = false;  // at or below the "Abbrevations:" line

  // Whether the loader publishes a setting for this line.
  bool is_setting() const { return separator == "="; }
};

// Scans a league file's text line by line as the loader does and hands every
// line to `visit`; the views are valid only during the call.
void scan_league_settings(std::string_view text,
                          const std::function<void(const LeagueSettingLine&)>& visit);

// Publishes the setting lines of a league file's text into the settings store.
// The key, separator and value slots carry over from line to line: a line with
// fewer than three tokens fills only the first slots and the others keep what an
// earlier line left. Below the "Abbrevations:" line keys get the prefix "abbr_".
void publish_league_settings(std::string_view text);

// The settings of a league file's text as a value: what the loader would
// publish, without the process environment. `league` reads its settings so,
// that the user's shell is no hidden input to it.
class LeagueSettings {
 public:
  // Takes in one "name=value" as put_setting does: the name up to the first
  // '=', compared without regard to letter case; an empty value removes it.
  void put(std::string_view text);

  // A setting read as a number, as setting_number reads it: `absent` when
  // there is none, else the integer at the start of its text.
  std::int32_t number(std::string_view name, std::int32_t absent = 0) const;

  // The roster layout the three column settings select (1 to 8).
  int roster_layout() const;

 private:
  std::vector<std::pair<std::string, std::string>> values_;
};

// The settings the setting lines of a league file's text publish.
LeagueSettings read_league_settings(std::string_view text);

// Publishes every setting line of league.dat in the current directory into the
// settings store and returns the roster layout. A league.dat that cannot be
// opened is no error: nothing is published and the layout is 1.
int load_league_settings();

// Publishes every setting line of league.dat; a league.dat that cannot be opened
// ends the run (throws ToolError with "\nError. Failed to open league.dat\n").
void load_league_settings_strict();

}  // namespace league
