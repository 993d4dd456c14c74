#pragma once

#include <string>

#include "league/commands/command.h"
#include "league/store/reading.h"

namespace league {

// What `league round` and `league award` share: results checked against the
// table and the fixtures, then applied to table.txt, form.txt and
// attendances.dat and recorded as the next entry of history/, all as one
// transaction.
struct ResultsApplication {
  LeagueFile results;            // results.txt, or the one line of an award
  std::string awarded;           // an award's reason, kept with the entry; empty for a round
  bool again = false;            // apply results that are the same as a recorded round's
  bool brought_forward = false;  // let a result the wrong way round through
};

// Applies the results and prints what it did; ends the command, nothing
// changed, at the first problem.
int apply_results(const ResultsApplication& request, CommandContext& context);

}  // namespace league
