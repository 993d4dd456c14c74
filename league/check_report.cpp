#include "league/check_report.h"

#include <ostream>

namespace league {

namespace {

std::string counted(std::size_t count, const char* word) {
  return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

}  // namespace

void CheckReport::problem(std::string file, std::size_t line, std::string text) {
  findings_.push_back({std::move(file), line, false, std::move(text)});
  ++problems_;
}

void CheckReport::note(std::string file, std::size_t line, std::string text) {
  findings_.push_back({std::move(file), line, true, std::move(text)});
}

void CheckReport::print(std::ostream& out) const {
  for (const CheckFinding& finding : findings_) {
    out << finding.file;
    if (finding.line != 0) out << ':' << finding.line;
    out << ": " << (finding.note ? "note: " : "") << finding.text << '\n';
  }
  out << counted(problems_, "problem") << ", " << counted(findings_.size() - problems_, "note")
      << '\n';
}

}  // namespace league
