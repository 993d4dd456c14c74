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
// An open-addressing table whose slots hold a view of the name beside its row:
// a lookup in a league of 100,000 teams then touches one slot and one name
// instead of a chain of separately allocated nodes or a list of names by row.
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
    const char* name = nullptr;
    std::uint32_t size = 0;          // of the name
    std::uint32_t row_plus_one = 0;  // 0: empty
  };

  // The slot holding `name`, or the empty slot where it would go.
  std::size_t probe(std::string_view name) const;
  void grow();

  std::size_t rows_ = 0;     // added so far
  std::size_t names_ = 0;    // different names among them, one slot each
  std::vector<Slot> slots_;  // a power of two, never more than half full
};

}  // namespace league
