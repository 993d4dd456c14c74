#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "league/store/transaction.h"

namespace league {

// `league recover`: the way out of a journal (or rollback) that no longer
// reads as a whole, cut short or with a byte changed. It works from what the
// files themselves say: each file the journal's readable part names holds its
// old bytes, its new ones, or neither.
//
// A run changes the files in the journal's order (and a rollback puts them
// back last first), so that a file still holding its old bytes tells that
// every later one does too. Rolled back is decidable when some file read
// holds its old bytes (or every change reads) and the old bytes of those
// before it that do not are known;
// completed when every change reads and the files hold their new bytes or
// those bytes are known. When both are, the journal's own intent decides
// (complete a journal, roll back a rollback); when a byte of the journal was
// changed, no bytes are written from it: only a state the files already hold
// is decidable.

// What one file the journal names holds now.
enum class HeldState {
  kOld,        // its old bytes (or it is missing, as it was)
  kNew,        // its new bytes
  kUnchanged,  // both: the change left it as it was
  kNeither,    // bytes of its own: changed by hand, or the journal's are damaged
  kUnknown,    // the journal's old or new bytes for it do not read
};

enum class RepairChoice { kUndecided, kComplete, kRollBack };

struct JournalRepair {
  std::string journal;  // history/journal or history/rollback
  std::string what;     // the operation as the journal names it; empty when that does not read
  struct File {
    std::string path;
    HeldState state = HeldState::kUnknown;
  };
  std::vector<File> files;  // in the journal's order
  std::size_t unread = 0;   // changes the journal lists whose path does not read
  bool altered = false;     // a byte of the journal was changed (JournalRemains::altered)
  RepairChoice choice = RepairChoice::kUndecided;
  // The files to write for the choice; the removal of a damaged rollback first.
  std::vector<FileChange> changes;
};

// Nothing when there is no journal or rollback, or it reads as a whole (any
// command completes or rolls it back by itself).
std::optional<JournalRepair> plan_journal_repair();

// The changes that leave every file as it is and only remove the damaged
// journal: for a choice the files cannot make, taken by hand.
std::vector<FileChange> keep_files_changes(const JournalRepair& repair);

}  // namespace league
