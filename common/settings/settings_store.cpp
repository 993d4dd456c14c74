#include "common/settings/settings_store.h"

#include <cstdlib>
#include <vector>

#include "common/text/integers.h"

#ifdef _WIN32
#define environ _environ
#else
extern char** environ;
#endif

namespace league {

namespace {

#ifdef _WIN32
// Windows keeps one variable per name whatever its letter case; removing it
// first lets the new text set the case of the name as well.
void remove_variable(const std::string& name) {
  ::_putenv_s(name.c_str(), "");
}
bool set_variable(const std::string& name, const std::string& value) {
  return ::_putenv_s(name.c_str(), value.c_str()) == 0;
}
#else
void remove_variable(const std::string& name) {
  ::unsetenv(name.c_str());
}
bool set_variable(const std::string& name, const std::string& value) {
  return ::setenv(name.c_str(), value.c_str(), 1) == 0;
}
#endif

// The names of all variables that match `name` without regard to case.
std::vector<std::string> matching_names(std::string_view name) {
  std::vector<std::string> names;
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const std::string_view text(*entry);
    const std::string_view entry_name = text.substr(0, text.find('='));
    if (same_setting_name(entry_name, name)) names.emplace_back(entry_name);
  }
  return names;
}

}  // namespace

bool same_setting_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

bool put_setting(std::string_view text) {
  const std::size_t equals = text.find('=');
  const std::string name(text.substr(0, equals));
  // A name is its whole byte string: one holding a NUL byte could only be
  // stored cut short, as another setting, so it is refused.
  if (name.empty() || name.find('\0') != std::string::npos) return false;
  const std::string value(equals == std::string_view::npos ? std::string_view()
                                                           : text.substr(equals + 1));
  for (const std::string& old : matching_names(name)) remove_variable(old);
  if (value.empty()) return true;
  return set_variable(name, value);
}

std::optional<std::string> get_setting(std::string_view name) {
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const std::string_view text(*entry);
    const std::size_t equals = text.find('=');
    if (equals != std::string_view::npos && same_setting_name(text.substr(0, equals), name)) {
      return std::string(text.substr(equals + 1));
    }
  }
  return std::nullopt;
}

std::int32_t setting_number(std::string_view name, std::int32_t absent) {
  const auto value = get_setting(name);
  return value ? leading_int(*value) : absent;
}

}  // namespace league
