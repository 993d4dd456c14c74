#include "player_list/keyed_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace league {
namespace {

// The result a plain stable sort by key gives.
std::vector<KeyedPosition> stably_sorted(std::vector<KeyedPosition> items) {
  std::stable_sort(items.begin(), items.end(),
                   [](const KeyedPosition& a, const KeyedPosition& b) { return a.key < b.key; });
  return items;
}

void expect_sorted_like_a_stable_sort(const std::vector<KeyedPosition>& items) {
  const std::vector<KeyedPosition> expected = stably_sorted(items);
  std::vector<KeyedPosition> sorted = items;
  sort_by_key(sorted);
  ASSERT_EQ(sorted.size(), expected.size());
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    ASSERT_EQ(sorted[i].key, expected[i].key) << i;
    ASSERT_EQ(sorted[i].position, expected[i].position) << i;
  }
}

TEST(SortByKey, OrdersByKeyAndKeepsTheOrderOfEqualKeys) {
  std::mt19937_64 random(5);
  // Keys that differ in every byte, in a few bytes only (the rest shared), or
  // hardly at all, so that many are equal; the highest and lowest keys too.
  for (const std::uint64_t mask :
       {~std::uint64_t{0}, std::uint64_t{0xFF00FF}, std::uint64_t{0xFF} << 56, std::uint64_t{3}}) {
    std::vector<KeyedPosition> items;
    for (std::size_t i = 0; i < 3000; ++i) {
      items.push_back({(random() & mask) | 0x0100000000000000, i});
    }
    items.push_back({~std::uint64_t{0}, items.size()});
    items.push_back({0, items.size()});
    expect_sorted_like_a_stable_sort(items);
  }
}

TEST(SortByKey, EmptySingleAndAllEqual) {
  expect_sorted_like_a_stable_sort({});
  expect_sorted_like_a_stable_sort({{42, 0}});
  expect_sorted_like_a_stable_sort({{7, 3}, {7, 1}, {7, 2}});
  expect_sorted_like_a_stable_sort({{2, 0}, {1, 1}});
}

}  // namespace
}  // namespace league
