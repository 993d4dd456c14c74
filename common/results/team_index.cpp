#include "common/results/team_index.h"

#include <stdexcept>

namespace league {

namespace {

constexpr std::size_t kSmallestTable = 16;

// Team names are short: a plain loop compares them faster than a call to the
// C library's memcmp, which string_view's == makes.
bool same_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

std::size_t table_size_for(std::size_t rows) {
  std::size_t size = kSmallestTable;
  while (size < rows * 2) size *= 2;
  return size;
}

}  // namespace

TeamIndex::TeamIndex(std::size_t expected_rows) : slots_(table_size_for(expected_rows)) {
  names_.reserve(expected_rows);
}

std::uint64_t TeamIndex::hash_of(std::string_view name) {
  // FNV-1a: quick on the short names of teams, and spreads them well enough.
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : name) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ULL;
  }
  return hash;
}

std::size_t TeamIndex::probe(std::string_view name, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  const auto short_hash = static_cast<std::uint32_t>(hash);
  for (std::size_t i = static_cast<std::size_t>(hash >> 32) & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.row_plus_one == 0) return i;
    if (slot.hash == short_hash && same_name(names_[slot.row_plus_one - 1], name)) return i;
  }
}

std::size_t TeamIndex::add(std::string_view name) {
  if (names_.size() >= 0xFFFFFFFEu) throw std::length_error("team table too large to index");
  if ((names_.size() + 1) * 2 > slots_.size()) grow();
  const std::uint64_t hash = hash_of(name);
  names_.push_back(name);
  Slot& slot = slots_[probe(name, hash)];
  // A name that is there already keeps its first row.
  if (slot.row_plus_one == 0) {
    slot = Slot{static_cast<std::uint32_t>(names_.size()), static_cast<std::uint32_t>(hash)};
  }
  return slot.row_plus_one - 1;
}

std::optional<std::size_t> TeamIndex::find_team(std::string_view name) const {
  const Slot& slot = slots_[probe(name, hash_of(name))];
  if (slot.row_plus_one == 0) return std::nullopt;
  return slot.row_plus_one - 1;
}

void TeamIndex::grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  for (const Slot& slot : old) {
    if (slot.row_plus_one == 0) continue;
    const std::string_view name = names_[slot.row_plus_one - 1];
    slots_[probe(name, hash_of(name))] = slot;
  }
}

}  // namespace league
