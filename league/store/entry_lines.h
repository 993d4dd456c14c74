#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"

namespace league {

// The lines of a history entry's own file (`adjustment`, `withdrawal`),
// each "KEY value" in a set order.
class EntryLines {
 public:
  EntryLines(std::string_view text, std::string file);

  // The value of line `index` (from 0), which must be "KEY value".
  std::optional<std::string_view> value(std::size_t index, std::string_view key);
  // Line 1, "team NAME": a name in the stored form, without blanks.
  std::optional<std::string_view> team();
  // Line 3, "reason TEXT": text fit to show (see free_text_problem).
  std::optional<std::string_view> reason();
  const std::vector<std::string_view>& lines() const { return lines_; }
  // What the first of value, team and reason to fail found.
  const std::optional<Diagnostic>& problem() const { return problem_; }

 private:
  // The problem at line `number` (from 1); nothing.
  std::nullopt_t wrong(std::size_t number, std::string what);

  std::string file_;
  std::vector<std::string_view> lines_;
  std::optional<Diagnostic> problem_;
};

}  // namespace league
