#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "common/io/diagnostic.h"

namespace league {

// One thing `league check` found in a league file.
struct CheckFinding {
  Diagnostic diagnostic;
  bool note = false;  // worth a look but no error
};

// The findings of one check, in the order they were found.
class CheckReport {
 public:
  void problem(Diagnostic diagnostic);
  void note(Diagnostic diagnostic);
  void problem(std::string file, std::size_t line, std::string what) {
    problem(Diagnostic{std::move(file), line, std::move(what)});
  }
  void note(std::string file, std::size_t line, std::string what) {
    note(Diagnostic{std::move(file), line, std::move(what)});
  }

  std::size_t problems() const { return problems_; }
  const std::vector<CheckFinding>& findings() const { return findings_; }

  // Every finding on a line of its own, "FILE:LINE: what" or
  // "FILE:LINE: note: what" (":LINE" left out without a line), then the count
  // line "N problems, M notes" (singular for 1).
  void print(std::ostream& out) const;

 private:
  std::vector<CheckFinding> findings_;
  std::size_t problems_ = 0;
};

}  // namespace league
