#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/attendances/attendances_file.h"
#include "common/form/form_table.h"
#include "common/results/results_file.h"
#include "common/table/table_entry.h"

namespace league {

// The files of a league that a round changes, read into memory. A program
// fills in those it keeps: table_update the table (and the attendances when
// the league keeps them), form_update the form, `league round` all of them.
struct RoundTables {
  std::optional<std::vector<TableEntry>> table;
  std::optional<std::vector<FormEntry>> form;
  std::optional<std::vector<AttendanceRow>> attendances;  // updated from the table
};

// Why a round could not be applied.
struct RoundFailure {
  enum class Kind {
    kInvalidResult,  // cut short, goals not whole numbers, or a counter would overflow
    kUnknownTeam,    // a team the table (or the form) does not hold
  };
  Kind kind = Kind::kInvalidResult;
  std::string team;            // the result's home team, or the team not found
  std::size_t line = 0;        // the result's line in results.txt
  const char* file = nullptr;  // the table the failure is in: kTableFile or kFormFile
};

// What applying a round came to.
struct RoundUpdate {
  std::optional<RoundFailure> failure;
  // The table's teams without a row in attendances.dat, in table order.
  std::vector<std::string> without_attendances;
};

// Applies the round's results, in file order, to the table, then to the form,
// each side found by the first row of its name; orders both as the tools do
// (points, goal difference, goals for; form points), and gives every
// attendance row the position factor of its team's new place. The first
// failure stops it: the tables are then half updated and must not be written.
RoundUpdate apply_round(RoundTables& tables, const std::vector<ResultsEntry>& results);

}  // namespace league
