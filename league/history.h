#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/io/file_replacement.h"
#include "common/io/league_files.h"
#include "league/transaction.h"

namespace league {

// The rounds that `league round` applied, kept in the league folder so that a
// round can be undone and the standings traced over the season:
//
//   history/<n>/results.txt   the results applied in round n (1, 2, ...)
//   history/<n>/before/       table.txt, form.txt and attendances.dat as they
//                             were before the round (those that existed)
//   history/<n>/after/        the same files as the round left them
//   history/<n>/applied       when it was applied, local time: "2026-12-07 18:20\n"
//
// A round's folder is complete once it holds `applied`; a folder without it
// counts as no round. A round and its undo are each one transaction (see
// transaction.h), so no kill leaves a folder half written or half removed.
// league's bookkeeping lies beside the rounds: history/journal and
// history/rollback while a transaction runs, history/lock while a command does.

// The league files a round changes, in the order they are written.
inline const std::vector<std::string>& round_files() {
  static const std::vector<std::string> files{kTableFile, kFormFile, kAttendancesFile};
  return files;
}

// The numbers of the complete rounds in history/, ascending.
std::vector<int> recorded_rounds();

// The numbers n of the folders <dir>/<n> (1, 2, ..., written without leading
// zeros) that hold `applied`, ascending: the complete rounds of history/, the
// complete adjustments of a round's folder.
std::vector<int> complete_folders(const std::string& dir);

// The folder of round n: "history/<n>".
std::string round_dir(int round);

// When round n was applied, as its `applied` file says (line end dropped).
std::optional<std::string> round_applied_at(int round);

// A file kept for round n, by its path inside the round's folder:
// "results.txt", "before/table.txt", "after/form.txt" and so on.
std::optional<std::string> read_round_file(int round, const std::string& name);

// What `league round` keeps of one round. The paths of `before` and `after`
// are the league files' names ("table.txt").
struct RoundRecord {
  std::string results;
  std::vector<FileUpdate> before;
  std::vector<FileUpdate> after;
};

// The changes that write round n's folder, without `applied`: results.txt,
// before/ and after/, and the removal of any other file a folder of that
// number holds (left by an older version of league).
std::vector<FileChange> round_record_changes(int round, const RoundRecord& record);

// The changes that remove round n's folder, `applied` first.
std::vector<FileChange> round_removal_changes(int round);

// The changes that remove every file below `dir`, its `applied` first, so that
// the folder counts as gone from the first change on.
std::vector<FileChange> folder_removal_changes(const std::string& dir);

// The text of an `applied` file for the present moment, local time.
std::string applied_stamp_now();

}  // namespace league
