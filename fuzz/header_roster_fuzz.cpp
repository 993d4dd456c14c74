// Feeds arbitrary roster text to the header-driven roster reader. The first
// byte picks the capacity; the rest is the roster.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "team_sheet/header_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int capacity = 1 + data[0] % 60;
  const std::string_view roster(reinterpret_cast<const char*>(data + 1), size - 1);

  league::SquadTable squad;
  const int count = league::read_roster_by_header(roster, squad, capacity);
  if (count < 0 || count > capacity) std::abort();
  if (count > 0 && squad.size() <= static_cast<std::size_t>(count)) std::abort();
  return 0;
}
