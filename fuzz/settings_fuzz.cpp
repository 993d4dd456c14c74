// Feeds arbitrary league.dat text to the settings loader.
//
// The loader publishes into the process environment, so every input starts
// from the environment the process began with: the variables one input adds
// are removed before the next, which keeps the environment's size bounded by
// the size of a single input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "common/roster/roster_layout.h"
#include "common/settings/league_settings.h"
#include "common/settings/settings_store.h"

extern char** environ;

namespace {

std::set<std::string> current_environment() {
  std::set<std::string> entries;
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    entries.insert(*entry);
  }
  return entries;
}

void restore_environment(const std::set<std::string>& start) {
  for (const std::string& entry : current_environment()) {
    if (start.count(entry) != 0) continue;
    ::unsetenv(entry.substr(0, entry.find('=')).c_str());
  }
  for (const std::string& entry : start) {
    const std::size_t equals = entry.find('=');
    ::setenv(entry.substr(0, equals).c_str(), entry.substr(equals + 1).c_str(), 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::set<std::string> start = current_environment();
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  league::publish_league_settings(text);
  // The settings the tools look up must read back as numbers without trouble.
  const int layout = league::roster_layout_for(league::setting_number("Fitness") != 0,
                                               league::setting_number("Conceded_Sub_Apps") != 0,
                                               league::setting_number("Minutes") != 0);
  if (layout < 1 || layout > 8) std::abort();
  (void)league::get_setting("abbr_Attendances_Pack");

  restore_environment(start);
  return 0;
}
