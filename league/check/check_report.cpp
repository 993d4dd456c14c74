#include "league/check/check_report.h"

#include <ostream>

#include "common/text/wording.h"

namespace league {

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
  out << count_of(problems_, "problem") << ", " << count_of(findings_.size() - problems_, "note")
      << '\n';
}

}  // namespace league
