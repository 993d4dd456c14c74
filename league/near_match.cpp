#include "league/near_match.h"

#include <algorithm>
#include <cstddef>

namespace league {

namespace {

// Two edits for names of five letters or more; one for shorter ones, which
// two edits would turn into almost any other short name.
std::size_t edit_limit(std::string_view typed) {
  return typed.size() >= 5 ? 2 : 1;
}

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return lower(x) == lower(y); });
}

// The number of single-letter insertions, deletions and changes that turn a
// into b (letter case ignored), one row of the table at a time.
std::size_t edit_distance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j < row.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const std::size_t change = diagonal + (lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, change});
      diagonal = above;
    }
  }
  return row.back();
}

}  // namespace

std::optional<std::string> near_match(std::string_view typed,
                                      const std::vector<std::string>& names) {
  if (std::find(names.begin(), names.end(), typed) != names.end()) return std::nullopt;
  for (const std::string& name : names) {
    if (equal_ignoring_case(typed, name)) return name;
  }
  const std::size_t limit = edit_limit(typed);
  std::optional<std::string> best;
  std::size_t best_distance = limit + 1;
  for (const std::string& name : names) {
    // Names whose lengths differ by more than the limit cannot be close enough.
    const std::size_t gap =
        typed.size() > name.size() ? typed.size() - name.size() : name.size() - typed.size();
    if (gap > limit) continue;
    const std::size_t distance = edit_distance(typed, name);
    if (distance < best_distance) {
      best = name;
      best_distance = distance;
    }
  }
  return best;
}

}  // namespace league
