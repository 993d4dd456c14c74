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
#include "common/text/spaces.h"
#include "player_list/keyed_order.h"

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

// Reads a decimal integer as a formatted scan does. Nothing when no digit
// follows the white space and sign; a value beyond the range of int is held at
// its limit, which is out of the menu's range either way.
std::optional<std::int64_t> read_answer(std::istream& in) {
  using Traits = std::istream::traits_type;
  while (in.peek() != Traits::eof() && is_space(Traits::to_char_type(in.peek()))) in.get();
  bool negative = false;
  if (in.peek() == '+' || in.peek() == '-') negative = in.get() == '-';
  if (in.peek() == Traits::eof() || !is_digit(Traits::to_char_type(in.peek()))) return std::nullopt;
  constexpr std::int64_t kLimit = 1'000'000'000'000;
  std::int64_t value = 0;
  while (in.peek() != Traits::eof() && is_digit(Traits::to_char_type(in.peek())))
    value = std::min(kLimit, value * 10 + (in.get() - '0'));
  return negative ? -value : value;
}

// The first eight bytes of a text as one number, the first byte highest and a
// missing byte as 0. Texts whose keys differ order as their keys do (bytes as
// unsigned, a prefix first); texts with equal keys must be compared whole.
std::uint64_t text_key(const std::string& text) {
  std::uint64_t key = 0;
  for (std::size_t i = 0; i < 8; ++i)
    key = key << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
  return key;
}

// Integers sort in descending order: the greatest value gets the lowest key.
std::uint64_t number_key(std::int32_t value) {
  return static_cast<std::uint64_t>(std::int64_t{std::numeric_limits<std::int32_t>::max()} - value);
}

}  // namespace

const SortCriterion& sort_criterion(int number) {
  assert(number >= 1 && number <= kCriterionCount);
  return criteria()[static_cast<std::size_t>(number - 1)];
}

int choose_sort_criterion(std::istream& in, std::ostream& out) {
  print_menu(out);
  out.flush();
  const std::optional<std::int64_t> answer = read_answer(in);
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
  // The players are ordered by a key that stands for their field: for an
  // integer the whole of it, for a text its first eight bytes, so that only
  // runs of texts whose first bytes agree need their texts compared.
  std::vector<KeyedPosition> keys(players.size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const Player& player = players[i];
    keys[i] = {criterion.text != nullptr ? text_key(player.*criterion.text)
                                         : number_key(player.*criterion.number),
               i};
  }
  sort_by_key(keys);
  if (criterion.text != nullptr) {
    const auto text_before = [&](const KeyedPosition& a, const KeyedPosition& b) {
      return players[a.position].*criterion.text < players[b.position].*criterion.text;
    };
    for (auto run = keys.begin(); run != keys.end();) {
      const auto end = std::find_if(
          run + 1, keys.end(), [&](const KeyedPosition& item) { return item.key != run->key; });
      if (end - run > 1) std::stable_sort(run, end, text_before);
      run = end;
    }
  }
  std::vector<std::size_t> order(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) order[i] = keys[i].position;
  return order;
}

}  // namespace league
