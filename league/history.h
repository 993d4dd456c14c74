#pragma once

#include <optional>
#include <string>
#include <vector>

namespace league {

// The rounds that `league round` applied, kept in the league folder so that a
// round can be undone and the standings traced over the season:
//
//   history/<n>/results.txt   the results applied in round n (1, 2, ...)
//   history/<n>/before/       table.txt, form.txt and attendances.dat as they
//                             were before the round (those that existed)
//   history/<n>/after/        the same files as the round left them
//   history/<n>/applied       when it was applied, local time: "2026-12-07 18:20\n"
//
// A round's folder is complete once it holds `applied`, which is written last;
// a folder without it is what an interrupted run left, and counts as no round.

inline constexpr const char* kHistoryDir = "history";

// The league files a round changes, in the order they are written.
inline const std::vector<std::string>& round_files() {
  static const std::vector<std::string> files{"table.txt", "form.txt", "attendances.dat"};
  return files;
}

// The numbers of the complete rounds in history/, ascending.
std::vector<int> recorded_rounds();

// The folder of round n: "history/<n>".
std::string round_dir(int round);

// When round n was applied, as its `applied` file says (line end dropped).
std::optional<std::string> round_applied_at(int round);

}  // namespace league
