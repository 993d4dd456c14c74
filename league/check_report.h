#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace league {

// One thing `league check` found in a league file.
struct CheckFinding {
  std::string file;
  std::size_t line = 0;  // from 1; 0 when the finding concerns the file as a whole
  bool note = false;     // worth a look but no error
  std::string text;
};

// The findings of one check, in the order they were found.
class CheckReport {
 public:
  void problem(std::string file, std::size_t line, std::string text);
  void note(std::string file, std::size_t line, std::string text);

  std::size_t problems() const { return problems_; }
  const std::vector<CheckFinding>& findings() const { return findings_; }

  // Every finding on a line of its own, "FILE:LINE: text" or
  // "FILE:LINE: note: text" (":LINE" left out without a line), then the count
  // line "N problems, M notes" (singular for 1).
  void print(std::ostream& out) const;

 private:
  std::vector<CheckFinding> findings_;
  std::size_t problems_ = 0;
};

}  // namespace league
