#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "common/roster/player.h"

namespace league {

// One of the 28 orders the listing can be sorted by. Text fields sort in
// ascending byte order, integer fields in descending order.
struct SortCriterion {
  std::string_view menu_text;
  std::string Player::*text = nullptr;
  std::int32_t Player::*number = nullptr;
};

constexpr int kCriterionCount = 28;

// The criterion of menu number 1..28.
const SortCriterion& sort_criterion(int number);

// Prints the menu and its prompt, then reads the answer as a decimal integer:
// white space skipped, an optional sign, digits up to the first other
// character, the rest left unread. Returns the number when it is 1..28.
// Otherwise (also for an answer that is no number, or no answer at all) reads
// one more character and throws ToolError with "\nInput error !!\n".
int choose_sort_criterion(std::istream& in, std::ostream& out);

// True when `a` must stand strictly before `b`: a text field below the other's
// (bytes compared as unsigned, a prefix first), an integer field greater than
// the other's. Equal players give false both ways; there is no second key.
bool player_comes_before(const Player& a, const Player& b, const SortCriterion& criterion);

// The positions of the players in the order the criterion gives; players equal
// under it keep their order. The players themselves are not moved: they are
// large, and the listing can be written in this order as well.
std::vector<std::size_t> sorted_positions(const std::vector<Player>& players,
                                          const SortCriterion& criterion);

}  // namespace league
