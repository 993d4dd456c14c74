#include "player_list/keyed_order.h"

#include <array>

namespace league {

void sort_by_key(std::vector<KeyedPosition>& items) {
  constexpr int kBytes = 8;
  // How many keys hold each value in each byte, all bytes counted in one pass.
  std::vector<std::array<std::size_t, 256>> counts(kBytes);
  for (std::array<std::size_t, 256>& count : counts) count.fill(0);
  for (const KeyedPosition& item : items) {
    for (int byte = 0; byte < kBytes; ++byte) ++counts[byte][(item.key >> (8 * byte)) & 0xFF];
  }

  // From the lowest byte up, each pass distributes the items by one byte and
  // keeps the order of the previous pass among equal bytes, so that at the end
  // the items are ordered by the whole key and equal keys keep their order.
  std::vector<KeyedPosition> spare(items.size());
  for (int byte = 0; byte < kBytes; ++byte) {
    std::array<std::size_t, 256>& count = counts[byte];
    const std::uint64_t first = items.empty() ? 0 : (items[0].key >> (8 * byte)) & 0xFF;
    if (count[first] == items.size()) continue;  // every key has the same byte here
    std::size_t start = 0;
    for (std::size_t& slot : count) {
      const std::size_t keys = slot;
      slot = start;
      start += keys;
    }
    for (const KeyedPosition& item : items) spare[count[(item.key >> (8 * byte)) & 0xFF]++] = item;
    items.swap(spare);
  }
}

}  // namespace league
