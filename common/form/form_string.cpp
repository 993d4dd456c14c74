#include "common/form/form_string.h"

#include <algorithm>

namespace league {

namespace {

char letter_for(Outcome outcome) {
  switch (outcome) {
    case Outcome::kWin:
      return 'W';
    case Outcome::kDraw:
      return 'D';
    case Outcome::kLoss:
      break;
  }
  return 'L';
}

}  // namespace

FormString::FormString(std::string_view letters) {
  places_.fill(' ');
  if (letters.size() > kPlaces) letters.remove_prefix(letters.size() - kPlaces);
  std::copy(letters.begin(), letters.end(), places_.end() - letters.size());
}

void FormString::record(Outcome outcome) {
  std::shift_left(places_.begin(), places_.end(), 1);
  places_.back() = letter_for(outcome);
}

int FormString::points() const {
  int points = 0;
  for (const char place : places_) {
    if (place == 'W')
      points += 3;
    else if (place == 'D')
      points += 1;
  }
  return points;
}

}  // namespace league
