#include "league/check/check_league_dat.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/io/league_files.h"
#include "common/settings/league_settings.h"
#include "common/settings/settings_store.h"
#include "common/text/integers.h"
#include "common/text/near_match.h"
#include "common/text/spaces.h"
#include "common/text/tokens.h"
#include "common/text/wording.h"

namespace league {

namespace {

constexpr const char* kFile = kSettingsFile;

// The settings that the tools read.
const std::vector<std::string>& tool_settings() {
  static const std::vector<std::string> keys{"Fitness", "Conceded_Sub_Apps", "Minutes",
                                             "Attendances_Pack", "Fit_ZEP"};
  return keys;
}

void check_line(const LeagueSettingLine& line, CheckReport& report) {
  const std::vector<std::string_view> own = split_tokens(line.text, 3);
  if (own.empty()) return;
  const std::string_view first = own[0];
  std::string_view name = first.substr(0, first.find('='));
  const bool colon = !name.empty() && name.back() == ':';  // "Fitness: 1"
  if (colon) name.remove_suffix(1);
  if (name.empty()) return;

  const auto match = near_match(name, tool_settings());
  const bool known =
      std::any_of(tool_settings().begin(), tool_settings().end(),
                  [&](const std::string& key) { return same_setting_name(key, name); });
  if (!known && !match) return;  // another program's key

  const bool well_formed = own.size() == 3 && own[1] == "=" && first.find('=') == first.npos;
  if (line.abbreviation) {
    if (known && well_formed) {
      report.problem(kFile, line.number,
                     in_quotes(trimmed(line.text)) +
                         " stands below the line \"Abbrevations:\", so the tools read it as abbr_" +
                         std::string(line.key) + ", not as the setting " + std::string(name));
    }
    return;
  }

  const bool looks_like_setting = line.is_setting() || first.find('=') != first.npos ||
                                  (own.size() > 1 && own[1].front() == '=');
  // "Fitness: 1" and "Fitness 1" are meant as settings but read as none;
  // "Fitness decides ..." is prose.
  const bool meant_as_setting =
      known && (colon || (own.size() > 1 && read_int_prefix(own[1]).has_value()));
  if (!looks_like_setting && !meant_as_setting) return;
  if (!well_formed) {
    const std::string fix = "; write it as key = value, with a blank on each side of =";
    if (line.is_setting()) {
      report.problem(kFile, line.number,
                     in_quotes(trimmed(line.text)) + " is read as " +
                         in_quotes(std::string(line.key) + " = " + std::string(line.value)) +
                         ", the words missing from this line taken from an earlier one" + fix);
    } else {
      report.problem(kFile, line.number, in_quotes(trimmed(line.text)) + " is no setting" + fix);
    }
    return;
  }
  if (!known) {
    report.problem(
        kFile, line.number,
        std::string(name) + " is no setting the tools read; did you mean " + *match + "?");
    return;
  }
  if (!parse_whole_int(line.value)) {
    report.problem(kFile, line.number,
                   std::string(name) + ": the value " + in_quotes(line.value) +
                       " is not a whole number; the tools read it as " +
                       std::to_string(leading_int(line.value)));
  }
}

}  // namespace

void check_league_dat(std::string_view text, CheckReport& report) {
  scan_league_settings(text, [&](const LeagueSettingLine& line) { check_line(line, report); });
}

}  // namespace league
