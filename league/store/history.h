#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/io/league_files.h"
#include "league/store/transaction.h"

namespace league {

// history/, the one place that knows its layout: what `league round` and
// `league adjust` recorded, so that `league undo` can take the last entry
// back and the standings can be traced over the season.
//
//   history/<n>/results.txt   the results applied in round n (1, 2, ...), in
//                             the tools' form ("St_Mary's 3 - 1 Bridge_Inn_FC")
//   history/<n>/typed.txt     results.txt as typed, when it was not that form
//   history/<n>/before/       table.txt, form.txt and attendances.dat as they
//                             were before the round (those that existed)
//   history/<n>/after/        the same files as the round left them
//   history/<n>/awarded       for a result the committee awarded (league award):
//                             its reason, one line; results.txt holds the result
//   history/<n>/applied       when it was applied, local time: "2026-12-07 18:20\n"
//   history/<n>/adjustments/<k>/adjustment   points adjustment k after round n
//                             (see adjustments.h), with before/ and after/
//                             table.txt and `applied` as for a round
//   history/<n>/fixtures/<k>/change   a change of fixtures.txt after round n
//                             (league fixtures move/postpone): the match's
//                             pairing on its first line, what was done on the
//                             second; before/ and after/ fixtures.txt and
//                             `applied`. k counts with the adjustments after
//                             round n, so that together they keep their order.
//   history/<n>/adjustments/<k>/withdrawal   or, in its place, a club's
//                             withdrawal (withdrawals.h), with before/ and
//                             after/ copies of the files it changed
//   history/name              the league's name (league_name.h)
//
// An entry's folder counts once it holds `applied`, written last in the same
// transaction (transaction.h) as the rest, so no kill leaves one half written
// or half removed. n of an adjustment is the last round when it was made (0
// before the first; history/0 is never a round, having no `applied`), so
// (n, k) orders adjustments in time with the rounds. league's bookkeeping lies
// beside them: history/journal and history/rollback while a transaction runs,
// history/lock while a command does.

// The file of a round's folder that makes its one result an awarded one.
inline constexpr const char* kAwardedFile = "awarded";

// The reason kept for an awarded round, nothing for a round played.
std::optional<std::string> awarded_reason(int round);

// The file of a round's folder that keeps results.txt as typed.
inline constexpr const char* kTypedResultsFile = "typed.txt";

// The numbers of the complete rounds in history/, ascending.
std::vector<int> recorded_rounds();

// The number of the last complete round, 0 before the first.
int last_round();

// The folder of round n: "history/<n>".
std::string round_dir(int round);

// The folder of adjustment k after round n: "history/<n>/adjustments/<k>".
std::string adjustment_dir(int round, int number);

// The numbers k of the complete adjustments kept under round n, ascending.
std::vector<int> recorded_adjustments(int round);

// The folder of fixture change k after round n: "history/<n>/fixtures/<k>".
std::string fixture_change_dir(int round, int number);

// The numbers k of the complete fixture changes kept under round n, ascending.
std::vector<int> recorded_fixture_changes(int round);

// The number k for the next adjustment or fixture change after round n.
int next_entry_number(int round);

// The file of a fixture change's folder that says what changed.
inline constexpr const char* kFixtureChangeFile = "change";

// The pairings ("HOME - AWAY") of every recorded fixture change, oldest first.
std::vector<std::string> changed_pairings();

// When round n was applied, as its `applied` file says (line end dropped).
std::optional<std::string> round_applied_at(int round);

// A file kept for round n, by its path inside the round's folder:
// "results.txt", "before/table.txt", "after/form.txt" and so on.
std::optional<std::string> read_round_file(int round, const std::string& name);

// One entry of history/: what a command recorded there so that `league undo`
// can take it back. Its folder keeps, of each league file the entry changed,
// the copy from before it (before/) and the one it left (after/), and counts
// once it holds `applied`. A new kind of entry is a Kind here, its folder in
// dir(), its files in files() and its wording in commands/undo.cpp.
struct HistoryEntry {
  enum class Kind { kRound, kAdjustment, kFixtureChange, kWithdrawal };
  Kind kind = Kind::kRound;
  int round = 0;   // the round, or the round an adjustment followed
  int number = 0;  // an adjustment's, a fixture change's or a withdrawal's k

  // "history/3", "history/3/adjustments/1".
  std::string dir() const;

  // The league files it keeps copies of; an optional one (attendances.dat,
  // which a league may not keep) may have neither copy.
  struct File {
    std::string name;
    bool optional = false;
  };
  std::vector<File> files() const;
};

// Adjustment folder k after round n: an adjustment, or a withdrawal when it
// holds one.
HistoryEntry adjustment_entry(int round, int number);

// Every complete adjustment, fixture change or withdrawal (`kind`), oldest first.
std::vector<HistoryEntry> recorded_entries(HistoryEntry::Kind kind);

// fixtures.txt as it stood after round n: the before/ copy of the first
// fixture change or withdrawal recorded after it (they keep fixtures.txt as
// they found it); nothing when none changed it since, so that the file holds it.
std::optional<std::string> fixtures_text_after(int round);

// The entry that `league undo` takes back: the last adjustment, fixture
// change or withdrawal kept under the last round (they came after it), else that round;
// nothing when there is none.
std::optional<HistoryEntry> last_entry();

// What undoing an entry puts back: each file it changed, as before and as it
// left it (in files()'s order); or the first kept copy that cannot be read.
struct UndoPlan {
  struct File {
    std::string name;
    std::string before;
    std::string after;
  };
  std::vector<File> files;
  std::optional<std::string> unreadable;  // its path
  // A before/ copy that reads but not as its file: put back it would break the league.
  std::optional<Diagnostic> damaged;
};
UndoPlan plan_undo(const HistoryEntry& entry);

// The transaction that records an entry: the files of its own (`kept`, by
// their names in its folder), before/ and after/ copies of the league files it
// changes, the removal of any other file a folder of that name holds (left by
// an older version of league), the league files' new contents, and last
// `applied`, which makes the entry count: `applied_at` ("2019-08-09 20:00\n"),
// the present moment when not given.
std::vector<FileChange> record_entry_changes(const HistoryEntry& entry,
                                             const std::vector<FileChange>& kept,
                                             const std::vector<FileChange>& before,
                                             const std::vector<FileChange>& after,
                                             std::optional<std::string> applied_at = std::nullopt);

// The table.txt that round n left, as its after/ copy holds it.
std::string round_table_path(int round);

// The changes that remove every file below `dir`, its `applied` first, so that
// the folder counts as gone from the first change on.
std::vector<FileChange> folder_removal_changes(const std::string& dir);

// What is wrong with the kept copies of a league file in an entry's folder
// (`dir`): before/ or after/ does not read as the tools would read it, or
// they do not hold the same teams (one cut short between two rows); nothing
// when both read. `name` is the league file they are copies of.
std::optional<Diagnostic> kept_copies_problem(const std::string& dir, const std::string& name,
                                              std::string_view before, std::string_view after);

// Folders of history/ that no complete entry accounts for: empty ones, and an
// entry's folder without `applied` (what a killed run left, its journal since
// lost). Each named with what it is; the lock's file is none of them.
std::vector<Diagnostic> stray_folders();

// Removes the empty folders below history/ (a failed or killed removal leaves
// them); their paths.
std::vector<std::string> remove_empty_folders();

}  // namespace league
