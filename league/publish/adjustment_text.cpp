#include "league/publish/adjustment_text.h"

#include "league/names/team_name.h"

namespace league {

std::string signed_points(std::int32_t points, std::string_view minus) {
  const std::string digits = std::to_string(points);
  if (points > 0) return "+" + digits;
  if (points < 0) return std::string(minus) + digits.substr(1);
  return digits;
}

std::string adjustment_line(const Adjustment& adjustment, std::string_view minus) {
  const std::string_view applied = adjustment.applied;
  const std::string_view date = applied.substr(0, applied.find(' '));
  const bool one = adjustment.points == 1 || adjustment.points == -1;
  std::string line = written_form(adjustment.team) + ": " +
                     signed_points(adjustment.points, minus) + (one ? " point" : " points");
  if (!date.empty()) line += " on " + std::string(date);
  return line + ": " + adjustment.reason;
}

std::string withdrawal_line(const Withdrawal& withdrawal) {
  const std::string_view applied = withdrawal.applied;
  const std::string_view date = applied.substr(0, applied.find(' '));
  std::string line = withdrawal.team + " withdrew";
  if (!date.empty()) line += " on " + std::string(date);
  return line + ": " + withdrawal.reason +
         (withdrawal.expunged ? " (its record expunged)" : " (its record stands)");
}

}  // namespace league
