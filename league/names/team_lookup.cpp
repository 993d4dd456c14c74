#include "league/names/team_lookup.h"

#include <algorithm>
#include <limits>

#include "common/text/near_match.h"
#include "league/names/team_name.h"

namespace league {

namespace {

// A name as compared for suggestions: folded (case and accents dropped), its
// words apart by one blank whether typed with blanks or with '_'.
std::string folded_words(std::string_view name) {
  return folded(normal_written_form(name));
}

std::vector<std::string_view> words_of(std::string_view folded_name) {
  std::vector<std::string_view> words;
  while (!folded_name.empty()) {
    const std::size_t end = std::min(folded_name.find(' '), folded_name.size());
    words.push_back(folded_name.substr(0, end));
    folded_name.remove_prefix(std::min(end + 1, folded_name.size()));
  }
  return words;
}

// Whether the typed words begin the team's words from its word `from` on.
bool words_begin(const std::vector<std::string_view>& typed,
                 const std::vector<std::string_view>& team, std::size_t from) {
  if (from + typed.size() > team.size()) return false;
  for (std::size_t k = 0; k < typed.size(); ++k) {
    if (!team[from + k].starts_with(typed[k])) return false;
  }
  return true;
}

}  // namespace

TeamNames::TeamNames(const std::vector<std::string>& teams) {
  for (const std::string& team : teams) {
    stored_.push_back(stored_form(team));
    written_.push_back(written_form(stored_.back()));
    folded_.push_back(folded_words(team));
    // A name given twice is found at its first place, as the tools find it.
    by_stored_.try_emplace(stored_.back(), stored_.size() - 1);
    longest_stored_ = std::max(longest_stored_, stored_.back().size());
  }
}

std::optional<std::size_t> TeamNames::find_exact(std::string_view typed) const {
  const auto found = by_stored_.find(stored_form(typed));
  if (found == by_stored_.end()) return std::nullopt;
  return found->second;
}

TeamMatch TeamNames::find(std::string_view typed) const {
  TeamMatch match;
  match.team = find_exact(typed);
  if (match.team) return match;
  const std::string plain = folded_words(typed);
  if (plain.empty()) return match;
  const auto teams_where = [&](const auto& fits) {
    for (std::size_t i = 0; i < size(); ++i) {
      if (fits(i)) match.suggestions.push_back(i);
    }
    return !match.suggestions.empty();
  };
  if (teams_where([&](std::size_t i) { return folded_[i] == plain; })) return match;
  const std::vector<std::string_view> words = words_of(plain);
  if (teams_where([&](std::size_t i) { return words_begin(words, words_of(folded_[i]), 0); }))
    return match;
  if (teams_where([&](std::size_t i) {
        const auto team = words_of(folded_[i]);
        for (std::size_t from = 1; from < team.size(); ++from) {
          if (words_begin(words, team, from)) return true;
        }
        return false;
      }))
    return match;
  const std::size_t limit = edit_limit(plain);
  std::size_t best = limit + 1;
  std::vector<std::size_t> distances(size(), std::numeric_limits<std::size_t>::max());
  for (std::size_t i = 0; i < size(); ++i) {
    const std::string& name = folded_[i];
    // Names whose lengths differ by more than the limit cannot be close enough.
    const std::size_t gap =
        plain.size() > name.size() ? plain.size() - name.size() : name.size() - plain.size();
    if (gap > limit) continue;
    distances[i] = edit_distance(plain, name);
    best = std::min(best, distances[i]);
  }
  if (best > limit) return match;
  teams_where([&](std::size_t i) { return distances[i] == best; });
  return match;
}

std::string or_list(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
    text += names[i];
  }
  return text;
}

std::string not_a_team(std::string_view typed, const TeamNames& teams,
                       const std::vector<std::size_t>& suggestions, std::string_view of) {
  std::string text = std::string(typed) + " is not a team of " + std::string(of);
  if (suggestions.empty()) return text;
  std::vector<std::string> names;
  for (const std::size_t team : suggestions) names.push_back(teams.written(team));
  return text + "; did you mean " + or_list(names) + "?";
}

std::string not_a_team(std::string_view typed, const TeamNames& teams, std::string_view of) {
  return not_a_team(typed, teams, teams.find(typed).suggestions, of);
}

}  // namespace league
