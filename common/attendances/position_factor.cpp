#include "common/attendances/position_factor.h"

#include <algorithm>
#include <limits>

namespace league {

std::int32_t position_factor(std::int32_t games, std::int64_t position, std::int64_t teams) {
  const std::int64_t p = position;
  std::int64_t factor = 0;
  switch (games) {
    case 0:
      factor = 60;
      break;
    case 1:
      factor = p / 2 - (100 * p) / 80 + 66;
      break;
    case 2:
      factor = p / 2 - (100 * p) / 65 + 71;
      break;
    case 3:
      factor = p / 2 - (100 * p) / 50 + 76;
      break;
    case 4:
      factor = p / 2 - (100 * p) / 35 + 86;
      break;
    case 5:
      factor = 95 - (100 * p) / 20;
      break;
    default:
      factor = 110 - (100 * p) / teams;
      break;
  }
  // Only a table of hundreds of millions of teams could leave the 32-bit range.
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      factor, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace league
