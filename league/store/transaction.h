#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"
#include "league/store/folder_lock.h"

namespace league {

// Every `league` command that changes files (round, undo, new, adjust, name,
// fixtures) makes its changes as one transaction, which a kill at any instant
// cannot leave half done: the one way league changes several files at once.
//
// Before anything is replaced, history/journal is written in full (through a
// temporary file, flushed to disk and renamed into place: the commit point):
// what the operation is and, for every file it changes, the old and the new
// bytes. Then each change is made, then the journal is removed. The next
// command finds a journal left by a killed run and completes its changes from
// the new bytes. A run that fails in the middle (a write refused) renames the
// journal to history/rollback before it puts the old bytes back, so that
// should it be killed then, the next command completes the rollback instead.
//
// The journal, all counts in decimal and every byte string given by its
// length so that any bytes read back exactly:
//
//   league journal 2\n
//   what <n>\n<n bytes>\n              the operation, "round 3"
//   changes <count>\n
//   the index, for each change:
//     path <n>\n<n bytes>\n
//     sums <old> <new>\n                 FNV-1a (64 bits) of the old and the new
//                                       bytes in 16 hex digits, or "none"
//   then for each change:
//     path <n>\n<n bytes>\n            relative to the league folder
//     old <n>\n<n bytes>\n             or "old none\n": the file did not exist
//     new <n>\n<n bytes>\n             or "new none\n": the change removes it
//   end <16 hex digits>\n              FNV-1a (64 bits) of every byte before "end"
//
// The index comes first so that a journal cut short, or damaged in its bytes,
// still names every file and tells its old bytes from its new ones (`league
// recover`). A journal of version 1, without the index, still reads.

// One change: a file's new contents, or (nullopt) its removal. The path is
// relative to the league folder, '/' between folders, and may lie inside
// history/: missing folders are created, and folders a removal leaves empty
// are removed.
struct FileChange {
  std::string path;
  std::optional<std::string> contents;
};

// Removes the temporary files in `folder` (below it too when `recursive`) that
// no running program writes (a table_update beside this command keeps its
// own); their paths as found there.
std::vector<std::filesystem::path> remove_temporary_files_in(const std::string& folder,
                                                             bool recursive = false);

// Makes every change or none, in their order, as described above. `what`
// names the operation in messages: "round 3". On failure nothing is changed
// and the diagnostic names the file ("history/3/applied: cannot be written;
// nothing changed."); should even putting the old bytes back fail, it says so
// and history/rollback lets the next command finish the rollback.
// `lock` is the folder's, held: the operation is noted in it until the journal
// is in place.
std::optional<Diagnostic> apply_transaction(FolderLock& lock, std::string_view what,
                                            const std::vector<FileChange>& changes);

// What the start of a command found of an interrupted run.
struct Recovery {
  // The one line to print: "Completed round 3, which an interrupted run had
  // begun." or "Rolled back ...", nothing when no operation was interrupted.
  std::optional<std::string> report;
  // The interrupted operation could be neither completed nor rolled back (a
  // damaged journal, a file that cannot be written): no command may run.
  std::optional<Diagnostic> failure;
  // The temporary files that killed runs left, removed.
  std::vector<std::string> removed;
  // The empty folders below history/ that killed or failed runs left, removed.
  std::vector<std::string> removed_folders;
};

// To be run by every `league` command, holding the folder's lock, before
// anything else: completes or rolls back the transaction a killed run left,
// and removes the temporary files (".tmp-<digits>") that killed runs of any of
// the programs left in the league folder and below history/, and the empty
// folders below history/.
Recovery recover_interrupted(const FolderLock& lock);

// For a command that cannot take the lock (it may not write the folder): the
// journal or rollback an interrupted run left, which it can neither complete
// nor roll back, so that the folder is half changed and nothing of it may be
// shown; nothing when there is none.
std::optional<Diagnostic> unrecovered_run(const std::string& why_not);

// The journal's contents, exposed for its tests.
struct Journal {
  struct Entry {
    std::string path;
    std::optional<std::string> old_contents;
    std::optional<std::string> new_contents;
  };
  std::string what;
  std::vector<Entry> entries;
};
std::string encode_journal(const Journal& journal);
// Nothing when `bytes` is not a whole journal exactly as encode_journal writes it.
std::optional<Journal> decode_journal(std::string_view bytes);

// What of a damaged journal still reads, field by field from its start up to
// the first that does not. `league recover` decides from it and the files.
struct JournalRemains {
  // Old or new contents as far as they read: "none" (no file), or the
  // length the journal gives and the bytes of them that are there.
  struct Contents {
    bool read = false;  // the field's key and length read
    bool none = false;
    std::size_t size = 0;
    std::string bytes;  // all `size` of them, or the first ones when the journal stops
    std::optional<std::uint64_t> sum;  // of all of them, from the index
    bool whole() const { return read && (none || bytes.size() == size); }
    // Whether fit() tells these bytes from any others.
    bool known() const { return whole() || sum.has_value(); }
    // The file's bytes (nothing: no file) agree with what reads of these.
    bool fit(const std::optional<std::string>& file) const;
  };
  struct Entry {
    std::string path;
    Contents old_contents;
    Contents new_contents;
  };
  std::string what;            // empty when it does not read
  std::size_t listed = 0;      // the changes it says it holds; 0 when that does not read
  std::vector<Entry> entries;  // those whose path reads, in order
  // It ends in a whole "end" line whose sum disagrees: a byte was changed
  // somewhere, so that none of its bytes may be written back. A journal cut
  // short keeps the bytes before the cut as they were.
  bool altered = false;
};
JournalRemains read_journal_remains(std::string_view bytes);

}  // namespace league
