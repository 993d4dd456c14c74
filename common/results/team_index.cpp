#include "common/results/team_index.h"

#include <stdexcept>

namespace league {

namespace {

constexpr std::size_t kSmallestTable = 16;

std::size_t table_size_for(std::size_t rows) {
  std::size_t size = kSmallestTable;
  while (size < rows * 2) size *= 2;
  return size;
}

// FNV-1a: quick on the short names of teams, and spreads them well enough.
std::uint64_t hash_of(std::string_view name) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : name) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ULL;
  }
  return hash;
}

}  // namespace

TeamIndex::TeamIndex(std::size_t expected_rows) : slots_(table_size_for(expected_rows)) {}

std::size_t TeamIndex::probe(std::string_view name) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = static_cast<std::size_t>(hash_of(name) >> 32) & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.row_plus_one == 0) return i;
    if (slot.size != name.size()) continue;
    // Team names are short: a plain loop compares them faster than a call to
    // the C library's memcmp, which string_view's == makes.
    std::size_t k = 0;
    while (k < name.size() && slot.name[k] == name[k]) ++k;
    if (k == name.size()) return i;
  }
}

std::size_t TeamIndex::add(std::string_view name) {
  if (rows_ >= 0xFFFFFFFEu || name.size() > 0xFFFFFFFFu)
    throw std::length_error("team table too large to index");
  if ((names_ + 1) * 2 > slots_.size()) grow();
  ++rows_;
  Slot& slot = slots_[probe(name)];
  // A name that is there already keeps its first row.
  if (slot.row_plus_one == 0) {
    slot = Slot{name.data(), static_cast<std::uint32_t>(name.size()),
                static_cast<std::uint32_t>(rows_)};
    ++names_;
  }
  return slot.row_plus_one - 1;
}

std::optional<std::size_t> TeamIndex::find_team(std::string_view name) const {
  const Slot& slot = slots_[probe(name)];
  if (slot.row_plus_one == 0) return std::nullopt;
  return slot.row_plus_one - 1;
}

void TeamIndex::grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  for (const Slot& slot : old) {
    if (slot.row_plus_one != 0) slots_[probe({slot.name, slot.size})] = slot;
  }
}

}  // namespace league
