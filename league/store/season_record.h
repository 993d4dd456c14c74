#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/io/diagnostic.h"
#include "league/season/replay.h"

namespace league {

// What history/ recorded of the season, ready to be replayed
// (season/replay.h): the copies before its first entry, then each complete
// round and points adjustment in the order they were made.
struct SeasonRecordRead {
  // Nothing when history/ holds no entry, or when a file the replay needs
  // does not read (the problem then names it).
  std::optional<SeasonRecord> record;
  std::optional<Diagnostic> problem;
};
SeasonRecordRead read_season_record();

// What the league's table.txt should hold by history/: nothing when there is
// no entry; the replayed table, or the problem that stops the replay.
struct ExpectedTable {
  std::optional<std::vector<TableEntry>> table;
  std::optional<Diagnostic> problem;
};
ExpectedTable table_by_history();

// Whether `table` (table.txt as read) holds what history/ gives: nothing when
// it does or history/ holds no entry; else the first team that differs, or
// what stops the replay. A round applied but not recorded (its journal removed
// by hand, table_update run beside league) shows here.
std::optional<Diagnostic> table_against_history(const std::vector<TableEntry>& table);

}  // namespace league
