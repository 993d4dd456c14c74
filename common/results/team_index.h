#pragma once

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
  explicit TeamIndex(std::size_t expected_rows = 0) { rows_.reserve(expected_rows); }

  void add(std::string_view name) { rows_.try_emplace(name, count_++); }

  // The first row whose name equals `name`, or nothing.
  std::optional<std::size_t> find_team(std::string_view name) const;

 private:
  std::unordered_map<std::string_view, std::size_t> rows_;
  std::size_t count_ = 0;
};

}  // namespace league
