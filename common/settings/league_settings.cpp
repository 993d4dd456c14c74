#include "common/settings/league_settings.h"

#include <array>
#include <string>

#include "common/console/tool_error.h"
#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/roster/roster_layout.h"
#include "common/settings/settings_store.h"
#include "common/text/integers.h"
#include "common/text/lines.h"
#include "common/text/tokens.h"

namespace league {

namespace {

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

namespace {

// Hands the "name=value" text of every setting line to `put`.
template <typename Put>
void for_each_setting(std::string_view text, Put put) {
  scan_league_settings(text, [&](const LeagueSettingLine& line) {
    if (!line.is_setting()) return;
    put((line.abbreviation ? "abbr_" : "") + std::string(line.key) + "=" + std::string(line.value));
  });
}

}  // namespace

void publish_league_settings(std::string_view text) {
  for_each_setting(text, [](const std::string& setting) { put_setting(setting); });
}

void LeagueSettings::put(std::string_view text) {
  const std::size_t equals = text.find('=');
  const std::string_view name = text.substr(0, equals);
  if (name.empty() || name.find('\0') != std::string_view::npos) return;
  const std::string_view value =
      equals == std::string_view::npos ? std::string_view() : text.substr(equals + 1);
  std::erase_if(values_,
                [&](const auto& setting) { return same_setting_name(setting.first, name); });
  if (!value.empty()) values_.emplace_back(name, value);
}

std::int32_t LeagueSettings::number(std::string_view name, std::int32_t absent) const {
  for (const auto& [key, value] : values_) {
    if (same_setting_name(key, name)) return leading_int(value);
  }
  return absent;
}

int LeagueSettings::roster_layout() const {
  return roster_layout_for(number("Fitness") != 0, number("Conceded_Sub_Apps") != 0,
                           number("Minutes") != 0);
}

LeagueSettings read_league_settings(std::string_view text) {
  LeagueSettings settings;
  for_each_setting(text, [&](const std::string& setting) { settings.put(setting); });
  return settings;
}

int load_league_settings() {
  const auto text = read_league_file(kSettingsFile);
  if (!text) return 1;
  publish_league_settings(*text);
  return roster_layout_for(setting_number("Fitness") != 0, setting_number("Conceded_Sub_Apps") != 0,
                           setting_number("Minutes") != 0);
}

void load_league_settings_strict() {
  publish_league_settings(read_league_file_or_fail(
      kSettingsFile, "\nError. Failed to open " + std::string(kSettingsFile) + "\n"));
}

}  // namespace league
