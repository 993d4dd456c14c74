#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace league {

// Finds a team's row in a tool's team table by its exact name (byte by byte,
// case-sensitive). Rows are numbered from 0 in the order they were added; when a
// name occurs on several rows, the first one added wins, as a top-down search
// would find it. The index keeps views of the names: they must outlive it.
//
// An open-addressing table of row numbers with a part of each name's hash beside
// it: a lookup in a league of 100,000 teams then touches one slot and one name
// instead of a chain of separately allocated nodes.
class TeamIndex {
 public:
  explicit TeamIndex(std::size_t expected_rows = 0);

  // Adds the next row; returns the row the name is found at from now on (this
  // one, or an earlier row of the same name).
  std::size_t add(std::string_view name);

  // The first row whose name equals `name`, or nothing.
  std::optional<std::size_t> find_team(std::string_view name) const;

 private:
  struct Slot {
    std::uint32_t row_plus_one = 0;  // 0: empty
    std::uint32_t hash = 0;          // the low bits of the name's hash
  };

  static std::uint64_t hash_of(std::string_view name);
  // The slot holding `name`, or the empty slot where it would go.
  std::size_t probe(std::string_view name, std::uint64_t hash) const;
  void grow();

  std::vector<std::string_view> names_;  // by row
  std::vector<Slot> slots_;              // a power of two, never more than half full
};

}  // namespace league
