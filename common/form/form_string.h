#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "common/results/match_result.h"

namespace league {

// A team's form: the letters of its last six results in six places, oldest
// first ("W" win, "D" draw, "L" loss). A string read with fewer letters stands
// right-aligned, the places in front of it blank; a longer one keeps its last
// six letters. Blanks are worth nothing and, since they always stand in front,
// the six places written right-aligned read back as the same letters.
class FormString {
 public:
  static constexpr std::size_t kPlaces = 6;

  explicit FormString(std::string_view letters = {});

  // Drops the oldest place and appends the letter of one new result.
  void record(Outcome outcome);

  // 3 for each "W" and 1 for each "D" among the six places; any other
  // character, lower-case letters included, is worth nothing.
  int points() const;

  // The six places, blanks in front included.
  std::string_view text() const { return {places_.data(), places_.size()}; }

  // The letters alone, without the blanks in front.
  std::string_view letters() const {
    const std::string_view places = text();
    return places.substr(std::min(places.find_first_not_of(' '), places.size()));
  }

 private:
  std::array<char, kPlaces> places_;
};

}  // namespace league
