// Feeds arbitrary roster text to the fixed-layout roster reader. The first byte
// picks the layout (0 to 9, so layouts outside 1..8 are tried as well) and the
// second the capacity; the rest is the roster.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "common/roster/fixed_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int layout = data[0] % 10;
  const int capacity = 1 + data[1] % league::kRosterCapacity;
  const std::string_view roster(reinterpret_cast<const char*>(data + 2), size - 2);

  std::vector<league::Player> table;
  const int count = league::read_roster_fixed(roster, table, capacity, layout);
  if (count < 0 || count > capacity) std::abort();
  if (layout < 1 || layout > 8) {
    if (count != 0) std::abort();
    return 0;
  }
  if (table.size() < static_cast<std::size_t>(capacity)) std::abort();
  // Names are single tokens taken from the roster.
  for (int i = 0; i < count; ++i) {
    const league::Player& player = table[static_cast<std::size_t>(i)];
    if (player.Name.empty() || roster.find(player.Name) == std::string_view::npos) std::abort();
  }
  return 0;
}
