#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "league/store/adjustments.h"
#include "league/store/withdrawals.h"

namespace league {

// A points adjustment as people are shown it, on the console and on the page.

// "-3" or "+3", with `minus` for the sign of a deduction (a page gives U+2212).
std::string signed_points(std::int32_t points, std::string_view minus = "-");

// One adjustment as a line of text, "Carrow: -3 points on 2027-01-12:
// fielded an ineligible player" (names as the files write them).
std::string adjustment_line(const Adjustment& adjustment, std::string_view minus = "-");

// A withdrawal as people are shown it: "Carrow withdrew on 2027-01-12: folded
// (its record expunged)", or "(its record stands)".
std::string withdrawal_line(const Withdrawal& withdrawal);

}  // namespace league
