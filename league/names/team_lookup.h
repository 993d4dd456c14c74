#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace league {

// A typed name looked up among the league's teams: the team it names, or the
// teams it may have meant.
struct TeamMatch {
  std::optional<std::size_t> team;       // the team's index when the name is one
  std::vector<std::size_t> suggestions;  // otherwise: none, one or several, in team order
};

// The league's teams, ready to be found by the names people type.
class TeamNames {
 public:
  // The teams in either form (table.txt gives stored forms, a teams file
  // written ones); each is kept in both forms.
  explicit TeamNames(const std::vector<std::string>& teams);

  std::size_t size() const { return written_.size(); }
  const std::string& written(std::size_t team) const { return written_[team]; }
  const std::string& stored(std::size_t team) const { return stored_[team]; }
  // The length in bytes of the longest stored form: no longer name is a team's.
  std::size_t longest_stored() const { return longest_stored_; }

  // The team whose stored form the typed name has: typed in the written form,
  // in the stored form or in a mixture, with any white space around and
  // between its words. Letter case and accents count.
  std::optional<std::size_t> find_exact(std::string_view typed) const;

  // The team of the name as typed (find_exact) or, when there is none, the
  // teams it may mean, letter case and accents ignored (É is E, ß is s, ’ is
  // '), in the first of these ways that finds any:
  //   the same name but for case and accents;
  //   its words begin the team's first words ("Wheatsheaf" and "Wheat" for
  //   Wheatsheaf Wanderers, "Bridge Inn" for Bridge Inn FC);
  //   its words begin words further into the team's name ("Bournemouth" for
  //   AFC Bournemouth);
  //   a spelling at most two letters off (one for names of fewer than five),
  //   the closest ones.
  TeamMatch find(std::string_view typed) const;

 private:
  std::vector<std::string> written_;
  std::vector<std::string> stored_;
  std::vector<std::string> folded_;  // case and accents dropped, words apart by one blank
  std::unordered_map<std::string, std::size_t> by_stored_;
  std::size_t longest_stored_ = 0;
};

// "A", "A or B", "A, B or C".
std::string or_list(const std::vector<std::string>& names);

// The problem of a name that is no team: "TYPED is not a team of table.txt",
// followed by "; did you mean A?" or "; did you mean A or B?" naming every
// suggestion in its written form. `of` names where the teams come from.
std::string not_a_team(std::string_view typed, const TeamNames& teams,
                       const std::vector<std::size_t>& suggestions,
                       std::string_view of = "table.txt");

// The same, the suggestions found by teams.find(typed).
std::string not_a_team(std::string_view typed, const TeamNames& teams,
                       std::string_view of = "table.txt");

}  // namespace league
