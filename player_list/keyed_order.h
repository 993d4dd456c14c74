#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace league {

// A position in a list, and a number that stands for its place in the order
// being made: a lower key goes first.
struct KeyedPosition {
  std::uint64_t key;
  std::size_t position;
};

// Orders the items by key, ascending; items with equal keys keep the order they
// are given in. A radix sort, a byte of the key at a time: it takes a few passes
// over the items whatever their number, where comparison sorts on keys that
// follow no pattern lose most of their time to mispredicted branches. Bytes in
// which all keys agree cost one counting pass and no moving.
void sort_by_key(std::vector<KeyedPosition>& items);

}  // namespace league
