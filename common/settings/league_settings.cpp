#include "common/settings/league_settings.h"

#include <array>
#include <string>

#include "common/console/tool_error.h"
#include "common/io/whole_file.h"
#include "common/roster/roster_layout.h"
#include "common/settings/settings_store.h"
#include "common/text/lines.h"
#include "common/text/tokens.h"

namespace league {

namespace {

constexpr const char* kLeagueFile = "league.dat";

// league.dat is read in pieces of at most 499 characters, line end included;
// the rest of a longer line is taken as a line of its own.
constexpr std::size_t kLinePiece = 499;

// Below this line every setting is published with the prefix "abbr_".
constexpr std::string_view kAbbreviationMarker = "Abbrevations:";

}  // namespace

void scan_league_settings(std::string_view text,
                          const std::function<void(const LeagueSettingLine&)>& visit) {
  enum { kKey, kSeparator, kValue };
  std::array<std::string, 3> slots;
  bool abbreviations = false;
  LineReader lines(text, kLinePiece);
  while (auto line = lines.next()) {
    const auto tokens = split_tokens(*line, slots.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) slots[i] = tokens[i];
    if (slots[kKey] == kAbbreviationMarker) abbreviations = true;
    visit({lines.line_number(), *line, tokens.size(), slots[kKey], slots[kSeparator], slots[kValue],
           abbreviations});
  }
}

void publish_league_settings(std::string_view text) {
  scan_league_settings(text, [](const LeagueSettingLine& line) {
    if (!line.is_setting()) return;
    put_setting((line.abbreviation ? "abbr_" : "") + std::string(line.key) + "=" +
                std::string(line.value));
  });
}

int load_league_settings() {
  const auto text = read_league_file(kLeagueFile);
  if (!text) return 1;
  publish_league_settings(*text);
  return roster_layout_for(setting_number("Fitness") != 0, setting_number("Conceded_Sub_Apps") != 0,
                           setting_number("Minutes") != 0);
}

void load_league_settings_strict() {
  publish_league_settings(
      read_league_file_or_fail(kLeagueFile, "\nError. Failed to open league.dat\n"));
}

}  // namespace league
