#include "common/settings/league_settings.h"

#include <array>
#include <string>

#include "common/console/tool_error.h"
#include "common/settings/settings_store.h"
#include "common/text/lines.h"
#include "common/text/tokens.h"
#include "common/text/whole_file.h"

namespace league {

namespace {

constexpr const char* kLeagueFile = "league.dat";

// league.dat is read in pieces of at most 499 characters, line end included;
// the rest of a longer line is taken as a line of its own.
constexpr std::size_t kLinePiece = 499;

// Below this line every setting is published with the prefix "abbr_".
constexpr std::string_view kAbbreviationMarker = "Abbrevations:";

}  // namespace

void publish_league_settings(std::string_view text) {
  enum { kKey, kSeparator, kValue };
  std::array<std::string, 3> slots;
  bool abbreviations = false;
  LineReader lines(text, kLinePiece);
  while (auto line = lines.next()) {
    const auto tokens = split_tokens(*line, slots.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) slots[i] = tokens[i];
    if (slots[kKey] == kAbbreviationMarker) abbreviations = true;
    if (slots[kSeparator] != "=") continue;
    put_setting((abbreviations ? "abbr_" : "") + slots[kKey] + "=" + slots[kValue]);
  }
}

int roster_layout_for(bool fitness, bool conceded_sub_apps, bool minutes) {
  // Indexed by Fitness * 4 + Conceded_Sub_Apps * 2 + Minutes.
  constexpr std::array<int, 8> kLayouts = {1, 7, 4, 3, 6, 8, 5, 2};
  return kLayouts[(fitness ? 4 : 0) + (conceded_sub_apps ? 2 : 0) + (minutes ? 1 : 0)];
}

int load_league_settings() {
  const auto text = read_whole_file(kLeagueFile);
  if (!text) return 1;
  publish_league_settings(*text);
  return roster_layout_for(setting_number("Fitness") != 0, setting_number("Conceded_Sub_Apps") != 0,
                           setting_number("Minutes") != 0);
}

int LeagueSettingsReloader::load() {
  // The stamp is taken before the file is read: a change made after it makes
  // the next stamp differ, so that change is loaded next time.
  std::optional<FileStamp> stamp = file_stamp(kLeagueFile);
  if (stamp && loaded_ && *stamp == *loaded_) return layout_;
  layout_ = load_league_settings();
  loaded_ = std::move(stamp);
  return layout_;
}

void load_league_settings_strict() {
  const auto text = read_whole_file(kLeagueFile);
  if (!text) throw ToolError("\nError. Failed to open league.dat\n");
  publish_league_settings(*text);
}

}  // namespace league
