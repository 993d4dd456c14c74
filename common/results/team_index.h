#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace league {

// Finds a team's row in a tool's team table by its exact name (byte by byte,
// case-sensitive). Rows are numbered from 0 in the order they were added; when a
// name occurs on several rows, the first one added wins, as a top-down search
// would find it. The index keeps views of the names: they must outlive it.
class TeamIndex {
 public:
  // Room for `rows` names, so that adding them never rebuilds the index.
  explicit TeamIndex(std::size_t rows = 0) { rows_.reserve(rows); }

  // Adds the next row; returns the row the name is found at from now on (this
  // one, or an earlier row of the same name).
  std::size_t add(std::string_view name) { return rows_.try_emplace(name, added_++).first->second; }

  // The first row whose name equals `name`, or nothing.
  std::optional<std::size_t> find_team(std::string_view name) const {
    const auto found = rows_.find(name);
    if (found == rows_.end()) return std::nullopt;
    return found->second;
  }

 private:
  std::unordered_map<std::string_view, std::size_t> rows_;
  std::size_t added_ = 0;
};

// The rows of both sides of a result in the team table, home first.
using MatchRows = std::array<std::size_t, 2>;

}  // namespace league
