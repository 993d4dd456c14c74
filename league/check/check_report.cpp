#include "league/check/check_report.h"

#include <ostream>

namespace league {

namespace {

std::string counted(std::size_t count, const char* word) {
  return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

}  // namespace

void CheckReport::problem(Diagnostic diagnostic) {
  findings_.push_back({std::move(diagnostic), false});
  ++problems_;
}

void CheckReport::note(Diagnostic diagnostic) {
  findings_.push_back({std::move(diagnostic), true});
}

void CheckReport::print(std::ostream& out) const {
  for (const CheckFinding& finding : findings_) {
    Diagnostic shown = finding.diagnostic;
    if (finding.note) shown.what.insert(0, "note: ");
    out << describe(shown) << '\n';
  }
  out << counted(problems_, "problem") << ", " << counted(findings_.size() - problems_, "note")
      << '\n';
}

}  // namespace league
