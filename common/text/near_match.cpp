#include "common/text/near_match.h"

#include <algorithm>
#include <cstddef>

namespace league {

namespace {

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The base letters of U+00C0 to U+017F, the accented letters of the Latin
// alphabets of Europe: "Ö" is taken for "O", "ş" for "s".
constexpr std::string_view kBaseLetters =
    "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTsaaaaaaaceeeeiiiidnooooo/ouuuuyty"
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIi"
    "IiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(kBaseLetters.size() == 0x180 - 0xC0);

}  // namespace

std::size_t edit_limit(std::string_view typed) {
  return typed.size() >= 5 ? 2 : 1;
}

std::string folded(std::string_view name) {
  std::string plain;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto lead = static_cast<unsigned char>(name[i]);
    const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0u;
    if (lead >= 0xC3 && lead <= 0xC5 && (next & 0xC0) == 0x80) {
      const std::size_t code = ((lead & 0x1Fu) << 6 | (next & 0x3Fu)) - 0xC0;
      plain += lower(kBaseLetters[code]);
      ++i;
    } else if (name.compare(i, 3, "\u2019") == 0 || name.compare(i, 3, "\u2018") == 0) {
      plain += '\'';
      i += 2;
    } else {
      plain += lower(name[i]);
    }
  }
  return plain;
}

std::size_t edit_distance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j < row.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const std::size_t change = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, change});
      diagonal = above;
    }
  }
  return row.back();
}

std::optional<std::string> near_match(std::string_view typed,
                                      const std::vector<std::string>& names) {
  if (std::find(names.begin(), names.end(), typed) != names.end()) return std::nullopt;
  const std::string plain = folded(typed);
  std::vector<std::string> plain_names;
  for (const std::string& name : names) plain_names.push_back(folded(name));
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (plain_names[i] == plain) return names[i];
  }
  const std::size_t limit = edit_limit(plain);
  std::optional<std::string> best;
  std::size_t best_distance = limit + 1;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string& name = plain_names[i];
    // Names whose lengths differ by more than the limit cannot be close enough.
    const std::size_t gap =
        plain.size() > name.size() ? plain.size() - name.size() : name.size() - plain.size();
    if (gap > limit) continue;
    const std::size_t distance = edit_distance(plain, name);
    if (distance < best_distance) {
      best = names[i];
      best_distance = distance;
    }
  }
  return best;
}

}  // namespace league
