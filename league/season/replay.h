#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"
#include "common/round/round_update.h"

namespace league {

// The season replayed from what history/ recorded: the files before its first
// entry, then every round and points adjustment in the order they were made,
// each applied as `league round` and `league adjust` apply them (a round
// through apply_round, byte for byte what table_update and form_update do).
// Pure: the store layer reads the texts (store/season_record.h).

// One recorded entry.
struct RecordedStep {
  enum class Kind { kRound, kAdjustment };
  Kind kind = Kind::kRound;
  std::string source;   // names it in a problem: "history/3/results.txt"
  std::string results;  // a round's results.txt
  std::string team;     // an adjustment's team and points
  std::int32_t points = 0;
};

// What the replay starts from and goes through.
struct SeasonRecord {
  std::string table;                       // table.txt before the first entry
  std::optional<std::string> form;         // form.txt before the first round
  std::optional<std::string> attendances;  // attendances.dat before it, when kept
  std::vector<RecordedStep> steps;         // in the order they were made
};

struct SeasonReplay {
  // The tables after the last step (those the record starts with).
  RoundTables tables;
  // The first text or step that does not read or apply; the tables stop before it.
  std::optional<Diagnostic> problem;
};

// Replays the record. With `expunged` a team's name, the season is replayed as
// if the team had never played: its rows leave every table, and its matches
// and adjustments are skipped (counts it had before the first entry stay with
// the teams it played then).
SeasonReplay replay_season(const SeasonRecord& record, std::string_view expunged = {});
// The same without every one of several teams (clubs expunged one after another).
SeasonReplay replay_season(const SeasonRecord& record, const std::vector<std::string>& expunged);

}  // namespace league
