#include "player_list/sort_criteria.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <istream>
#include <limits>
#include <optional>
#include <ostream>

#include "common/console/tool_error.h"
#include "common/text/integers.h"
#include "common/text/spaces.h"

namespace league {

namespace {

SortCriterion by_text(std::string_view menu_text, std::string Player::*field) {
  return {menu_text, field, nullptr};
}

SortCriterion by_number(std::string_view menu_text, std::int32_t Player::*field) {
  return {menu_text, nullptr, field};
}

const std::array<SortCriterion, kCriterionCount>& criteria() {
  static const std::array<SortCriterion, kCriterionCount> table = {
      by_text("Team", &Player::Team),
      by_text("Name", &Player::Name),
      by_number("Age", &Player::Age),
      by_text("Nationality", &Player::Nat),
      by_number("St skill", &Player::St),
      by_number("Tk skill", &Player::Tk),
      by_number("Ps skill", &Player::Ps),
      by_number("Sh skill", &Player::Sh),
      by_number("Aggression", &Player::Ag),
      by_number("St Ability", &Player::KAb),
      by_number("Tk Ability", &Player::TAb),
      by_number("Ps Ability", &Player::PAb),
      by_number("Sh Ability", &Player::SAb),
      by_number("Games", &Player::Gam),
      by_number("Saves", &Player::Sav),
      by_number("Key tackles", &Player::Ktk),
      by_number("Key passes", &Player::Kps),
      by_number("Shots", &Player::Sht),
      by_number("Goals", &Player::Gls),
      by_number("Assists", &Player::Ass),
      by_number("Disciplinary points", &Player::DP),
      by_number("Injury period", &Player::Inj),
      by_number("Suspension period", &Player::Sus),
      by_number("Minutes Played", &Player::Min),
      by_number("Mom awards", &Player::Mom),
      by_number("Goals conceded", &Player::Con),
      by_number("Fitness Level", &Player::Fit),
      by_number("Sub appearances", &Player::Sub),
  };
  return table;
}

void print_menu(std::ostream& out) {
  out << "Choose a sorting criteria:\n";
  for (int number = 1; number <= kCriterionCount; ++number) {
    if (number < 10) out << ' ';
    out << number << " - " << sort_criterion(number).menu_text << '\n';
  }
  out << "\n--> ";
}

// Reads a decimal integer as a formatted scan does: white space skipped, then
// an optional sign and digits, the first other character left unread. Nothing
// when no digit follows; a value beyond 32 bits is held at its limit, which is
// out of the menu's range either way.
std::optional<std::int32_t> read_answer(std::istream& in) {
  using Traits = std::istream::traits_type;
  const auto next_is = [&](auto test) {
    const auto c = in.peek();
    return c != Traits::eof() && test(Traits::to_char_type(c));
  };
  while (next_is(is_space)) in.get();
  std::string answer;
  if (next_is([](char c) { return c == '+' || c == '-'; })) answer += static_cast<char>(in.get());
  bool any_digit = false;
  std::string digits;
  while (next_is(is_digit)) {
    const char digit = static_cast<char>(in.get());
    any_digit = true;
    // Leading zeros add nothing, and digits past the twelfth cannot bring the
    // value back into range: neither is kept.
    if ((digits.empty() && digit == '0') || digits.size() >= 12) continue;
    digits += digit;
  }
  if (!any_digit) return std::nullopt;
  answer += digits.empty() ? "0" : digits;
  const auto prefix = read_int_prefix(answer);
  if (!prefix) return std::nullopt;
  return prefix->value;
}

}  // namespace

const SortCriterion& sort_criterion(int number) {
  assert(number >= 1 && number <= kCriterionCount);
  return criteria()[static_cast<std::size_t>(number - 1)];
}

int choose_sort_criterion(std::istream& in, std::ostream& out) {
  print_menu(out);
  out.flush();
  const std::optional<std::int32_t> answer = read_answer(in);
  if (answer && *answer >= 1 && *answer <= kCriterionCount) return static_cast<int>(*answer);
  // The character after the answer, normally its line end, so that the run
  // ends at once instead of leaving it for the shell.
  in.clear();
  in.get();
  throw ToolError("\nInput error !!\n");
}

bool player_comes_before(const Player& a, const Player& b, const SortCriterion& criterion) {
  // std::string compares its bytes as unsigned char, and a prefix below the
  // longer string.
  if (criterion.text != nullptr) return a.*criterion.text < b.*criterion.text;
  return a.*criterion.number > b.*criterion.number;
}

std::vector<std::size_t> sorted_positions(const std::vector<Player>& players,
                                          const SortCriterion& criterion) {
  std::vector<std::size_t> order(players.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return player_comes_before(players[a], players[b], criterion);
  });
  return order;
}

}  // namespace league
