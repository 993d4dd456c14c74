#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace league {

// Where each team plays its home matches, as the league keeps it: one team a
// line, its name, a tab, the ground's name and, when it has one, a tab and the
// ground's address ("Ashford<TAB>The Homelands<TAB>Ashford Road, TN26 1NJ").
// Names and addresses are free text on one line, without tabs.

struct Ground {
  std::string name;
  std::string address;  // empty when none is kept
  friend bool operator==(const Ground&, const Ground&) = default;
};

// Team name to ground, in the order of the names.
using Grounds = std::map<std::string, Ground, std::less<>>;

// The grounds of a file's text. A line that is no TEAM<TAB>NAME[<TAB>ADDRESS]
// with words in TEAM and NAME is a problem, by its line number; the rest read.
struct GroundsRead {
  Grounds grounds;
  std::vector<std::pair<int, std::string>> problems;
};
GroundsRead read_grounds(std::string_view text);
std::string format_grounds(const Grounds& grounds);

// "The Homelands, Ashford Road, TN26 1NJ": the ground as one line of text.
std::string ground_text(const Ground& ground);

// Where a match is played: `own_venue` when the fixture gives one (a name),
// else the home team's ground; nothing when neither is known.
std::optional<Ground> match_venue(const Grounds& grounds, std::string_view home,
                                  const std::optional<std::string>& own_venue = std::nullopt);

}  // namespace league
