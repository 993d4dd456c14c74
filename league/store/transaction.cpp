#include "league/store/transaction.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "common/io/file_replacement.h"
#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/text/wording.h"
#include "league/store/folder_lock.h"
#include "league/store/history.h"

namespace league {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kJournalHeader = "league journal 2\n";
// A journal of the version before, without the index of sums, still reads.
constexpr std::string_view kJournalHeaderWithoutSums = "league journal 1\n";
// Its last line: "end ", 16 hex digits and the line end.
constexpr std::size_t kEndLine = 4 + 16 + 1;

// ---- The file system, each step made durable before the next ----

// The folder holding `path`: "" for a file of the league folder itself.
std::string parent_of(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

void sync_parent(const std::string& path) {
  const std::string parent = parent_of(path);
  sync_folder(parent.empty() ? "." : parent);
}

// Creates the folders of `path` that are missing, from the outermost.
bool make_folders(const std::string& path) {
  if (path.empty()) return true;
  std::error_code error;
  if (fs::is_directory(path, error)) return true;
  if (!make_folders(parent_of(path))) return false;
  if (!fs::create_directory(path, error) && !fs::is_directory(path, error)) return false;
  sync_parent(path);
  return true;
}

// Removes the folders holding `path` that are left empty, from the innermost.
void prune_empty_folders(const std::string& path) {
  for (std::string folder = parent_of(path); !folder.empty(); folder = parent_of(folder)) {
    // A folder already gone (a killed run's removal, completed again) is
    // passed over: its parent may still be left empty.
    if (!path_exists(folder)) continue;
    std::error_code error;
    if (!fs::is_directory(fs::symlink_status(folder, error)) || !fs::is_empty(folder, error) ||
        error || !fs::remove(folder, error))
      return;
    sync_parent(folder);
  }
}

bool remove_durably(const std::string& path) {
  std::error_code error;
  if (!path_exists(path)) return true;
  if (!fs::remove(path, error)) return false;
  sync_parent(path);
  return true;
}

bool rename_durably(const std::string& from, const std::string& to) {
  std::error_code error;
  if (!remove_durably(to)) return false;
  fs::rename(from, to, error);
  if (error) return false;
  sync_parent(to);
  return true;
}

// Gives `path` the contents (or its absence) `state`.
bool put(const std::string& path, const std::optional<std::string>& state) {
  if (state) return make_folders(parent_of(path)) && replace_file(path, *state);
  if (!remove_durably(path)) return false;
  prune_empty_folders(path);
  return true;
}

// Puts each file in its new state, in order; the first that fails, if any.
std::optional<std::size_t> roll_forward(const Journal& journal) {
  for (std::size_t i = 0; i < journal.entries.size(); ++i) {
    if (!put(journal.entries[i].path, journal.entries[i].new_contents)) return i;
  }
  return std::nullopt;
}

// Puts the first `count` files back in their old state, last first; the
// first that fails, if any.
std::optional<std::size_t> roll_back(const Journal& journal, std::size_t count) {
  for (std::size_t i = count; i-- > 0;) {
    if (!put(journal.entries[i].path, journal.entries[i].old_contents)) return i;
  }
  return std::nullopt;
}

// ---- The journal's bytes ----

void put_field(std::string& out, std::string_view key, const std::optional<std::string>& bytes) {
  out += key;
  out += ' ';
  if (!bytes) {
    out += "none\n";
    return;
  }
  out += std::to_string(bytes->size());
  out += '\n';
  out += *bytes;
  out += '\n';
}

// The sum of a file's old or new bytes in the index: 16 hex digits, or "none".
std::string sum_of(const std::optional<std::string>& bytes) {
  return bytes ? hex16(fnv1a(*bytes)) : "none";
}

// Reads the journal's fields from the front of `rest`; any deviation fails.
class JournalReader {
 public:
  explicit JournalReader(std::string_view bytes) : rest_(bytes) {}

  bool literal(std::string_view text) {
    if (rest_.substr(0, text.size()) != text) return false;
    rest_.remove_prefix(text.size());
    return true;
  }

  // "<key> <decimal>\n"
  std::optional<std::size_t> count(std::string_view key) {
    if (!literal(key) || !literal(" ")) return std::nullopt;
    std::size_t value = 0;
    const auto [end, failure] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
    if (failure != std::errc() || end == rest_.data() || rest_[0] == '+') return std::nullopt;
    rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()));
    if (!literal("\n")) return std::nullopt;
    return value;
  }

  // "<key> <n>\n<n bytes>\n", or "<key> none\n" when `may_be_none`: false
  // when neither is there.
  bool field(std::string_view key, std::optional<std::string>& bytes, bool may_be_none) {
    const std::string none = std::string(key) + " none\n";
    if (may_be_none && literal(none)) {
      bytes.reset();
      return true;
    }
    const auto size = count(key);
    if (!size || *size >= rest_.size() || rest_[*size] != '\n') return false;
    bytes = std::string(rest_.substr(0, *size));
    rest_.remove_prefix(*size + 1);
    return true;
  }

  // "sums <old> <new>\n", each 16 hex digits or "none": the sums of a change
  // in the index.
  std::optional<std::pair<std::string, std::string>> sums() {
    const std::size_t line_end = rest_.find('\n');
    if (!literal("sums ") || line_end == std::string_view::npos) return std::nullopt;
    const std::string_view line = rest_.substr(0, line_end - 5);
    const std::size_t space = line.find(' ');
    const auto valid = [](std::string_view sum) {
      return sum == "none" ||
             (sum.size() == 16 && sum.find_first_not_of("0123456789abcdef") == std::string::npos);
    };
    if (space == std::string_view::npos || !valid(line.substr(0, space)) ||
        !valid(line.substr(space + 1)))
      return std::nullopt;
    rest_.remove_prefix(line.size() + 1);
    return std::pair(std::string(line.substr(0, space)), std::string(line.substr(space + 1)));
  }

  // As field(), for a journal that may stop in the middle of the bytes.
  bool partial_field(std::string_view key, JournalRemains::Contents& contents) {
    if (literal(std::string(key) + " none\n")) {
      contents = {true, true, 0, {}, contents.sum};
      return true;
    }
    const auto size = count(key);
    if (!size) return false;
    contents = {true, false, *size, std::string(rest_.substr(0, *size)), contents.sum};
    if (*size >= rest_.size() || rest_[*size] != '\n') {
      rest_ = {};
      return false;
    }
    rest_.remove_prefix(*size + 1);
    return true;
  }

  // The journal's start: whether it has the index (version 2), the
  // operation and the number of changes. False when they do not all read;
  // `head` then holds what did.
  struct Head {
    bool summed = false;
    std::string what;
    std::size_t changes = 0;
  };
  bool head(Head& head) {
    head.summed = literal(kJournalHeader);
    std::optional<std::string> what;
    if ((!head.summed && !literal(kJournalHeaderWithoutSums)) || !field("what", what, false))
      return false;
    head.what = std::move(*what);
    const auto changes = count("changes");
    if (!changes) return false;
    head.changes = *changes;
    return true;
  }

  // One change of the index: its path and the sums of its old and new bytes.
  struct IndexEntry {
    std::string path;
    std::pair<std::string, std::string> sums;
  };
  std::optional<IndexEntry> index_entry() {
    std::optional<std::string> path;
    if (!field("path", path, false)) return std::nullopt;
    const auto read = sums();
    if (!read) return std::nullopt;
    return IndexEntry{std::move(*path), *read};
  }

  std::string_view rest() const { return rest_; }

 private:
  std::string_view rest_;
};

// ---- Recovery ----

struct Loaded {
  std::optional<Journal> journal;
  std::optional<Diagnostic> failure;
};

Loaded load_journal(const std::string& path) {
  const auto bytes = read_whole_file(path);
  const std::string consequence =
      ", so the operation an interrupted run had begun can be neither completed nor rolled back";
  if (!bytes) return {std::nullopt, Diagnostic{path, 0, "cannot be read" + consequence}};
  auto journal = decode_journal(*bytes);
  if (!journal)
    return {std::nullopt, Diagnostic{path, 0,
                                     "is damaged" + consequence +
                                         " by itself; league recover decides from the files"}};
  return {std::move(journal), std::nullopt};
}

// The temporary files in `folder`, gathered before any is removed.
template <typename Iterator>
std::vector<fs::path> temporary_files_in(const std::string& folder) {
  std::error_code error;
  std::vector<fs::path> found;
  for (Iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
    std::error_code status_error;
    if (is_temporary_name(entry->path().filename().string()) &&
        fs::is_regular_file(entry->symlink_status(status_error)))
      found.push_back(entry->path());
  }
  return found;
}

std::string interrupted(const std::string& what) {
  return what + ", which an interrupted run had begun";
}

// A file that a rollback could not write back, which leaves the interrupted
// run where it is: what it `cannot` be.
Diagnostic stuck_file(const Journal& journal, std::size_t stuck, std::string_view cannot) {
  return {journal.entries[stuck].path, 0,
          "cannot be written, so " + interrupted(journal.what) + ' ' + std::string(cannot) +
              " yet; mend this and run league again"};
}

}  // namespace

std::vector<fs::path> remove_temporary_files_in(const std::string& folder, bool recursive) {
  std::vector<fs::path> removed;
  for (const fs::path& path : recursive
                                  ? temporary_files_in<fs::recursive_directory_iterator>(folder)
                                  : temporary_files_in<fs::directory_iterator>(folder)) {
    if (remove_abandoned_temporary(path.string())) removed.push_back(path);
  }
  return removed;
}

std::string encode_journal(const Journal& journal) {
  // Room for it all at once: a journal of fixtures.txt's copies runs to
  // hundreds of megabytes in a large league, and a string that grows by
  // doubling would hold twice that while it copies.
  std::size_t size = kJournalHeader.size() + journal.what.size() + 64;
  for (const Journal::Entry& entry : journal.entries) {
    size += 2 * entry.path.size() + 128;
    if (entry.old_contents) size += entry.old_contents->size();
    if (entry.new_contents) size += entry.new_contents->size();
  }
  std::string out;
  out.reserve(size);
  out += kJournalHeader;
  put_field(out, "what", journal.what);
  out += "changes " + std::to_string(journal.entries.size()) + '\n';
  for (const Journal::Entry& entry : journal.entries) {
    put_field(out, "path", entry.path);
    out += "sums " + sum_of(entry.old_contents) + ' ' + sum_of(entry.new_contents) + '\n';
  }
  for (const Journal::Entry& entry : journal.entries) {
    put_field(out, "path", entry.path);
    put_field(out, "old", entry.old_contents);
    put_field(out, "new", entry.new_contents);
  }
  out += "end " + hex16(fnv1a(out)) + '\n';
  return out;
}

std::optional<Journal> decode_journal(std::string_view bytes) {
  // The last line, "end " and 16 digits, sums up every byte before it.
  if (bytes.size() < kEndLine) return std::nullopt;
  const std::size_t end = bytes.size() - kEndLine;
  if (bytes.substr(end) != "end " + hex16(fnv1a(bytes.substr(0, end))) + '\n') return std::nullopt;
  JournalReader reader(bytes.substr(0, end));
  JournalReader::Head head;
  if (!reader.head(head)) return std::nullopt;
  Journal journal{head.what, {}};
  // The index, which must agree with the changes below it.
  std::vector<JournalReader::IndexEntry> index;
  for (std::size_t i = 0; head.summed && i < head.changes; ++i) {
    auto entry = reader.index_entry();
    if (!entry) return std::nullopt;
    index.push_back(std::move(*entry));
  }
  for (std::size_t i = 0; i < head.changes; ++i) {
    Journal::Entry entry;
    std::optional<std::string> path;
    if (!reader.field("path", path, false) || !reader.field("old", entry.old_contents, true) ||
        !reader.field("new", entry.new_contents, true))
      return std::nullopt;
    entry.path = std::move(*path);
    if (head.summed &&
        (index[i].path != entry.path ||
         index[i].sums != std::pair(sum_of(entry.old_contents), sum_of(entry.new_contents))))
      return std::nullopt;
    journal.entries.push_back(std::move(entry));
  }
  if (!reader.rest().empty()) return std::nullopt;
  return journal;
}

namespace {

// A side of a change as the index sums it up: no file, or the sum of its bytes.
void summed_side(const std::string& sum, JournalRemains::Contents& contents) {
  if (sum == "none") {
    contents = {true, true, 0, {}, std::nullopt};
    return;
  }
  std::uint64_t value = 0;
  std::from_chars(sum.data(), sum.data() + sum.size(), value, 16);
  contents.sum = value;
}

}  // namespace

JournalRemains read_journal_remains(std::string_view bytes) {
  JournalRemains remains;
  const std::string_view last =
      bytes.size() < kEndLine ? "" : bytes.substr(bytes.size() - kEndLine);
  remains.altered = last.substr(0, 4) == "end " && last.back() == '\n' &&
                    last.substr(4, 16).find_first_not_of("0123456789abcdef") == std::string::npos;
  JournalReader reader(bytes);
  JournalReader::Head head;
  const bool whole = reader.head(head);
  remains.what = head.what;
  if (!whole) return remains;
  const bool summed = head.summed;
  remains.listed = head.changes;
  // The index names every file and its sums, however far the bytes below read.
  for (std::size_t i = 0; summed && i < head.changes; ++i) {
    auto read = reader.index_entry();
    if (!read) return remains;
    JournalRemains::Entry& entry = remains.entries.emplace_back();
    entry.path = std::move(read->path);
    summed_side(read->sums.first, entry.old_contents);
    summed_side(read->sums.second, entry.new_contents);
  }
  for (std::size_t i = 0; i < head.changes; ++i) {
    std::optional<std::string> path;
    if (!reader.field("path", path, false)) break;
    if (summed && (i >= remains.entries.size() || remains.entries[i].path != *path)) break;
    JournalRemains::Entry& entry = summed ? remains.entries[i] : remains.entries.emplace_back();
    entry.path = std::move(*path);
    if (!reader.partial_field("old", entry.old_contents) ||
        !reader.partial_field("new", entry.new_contents))
      break;
  }
  return remains;
}

bool JournalRemains::Contents::fit(const std::optional<std::string>& file) const {
  if (sum) return file && fnv1a(*file) == *sum;
  if (!read) return false;
  if (none || !file) return none && !file;
  return file->size() == size && file->starts_with(bytes);
}

std::optional<Diagnostic> apply_transaction(FolderLock& lock, std::string_view what,
                                            const std::vector<FileChange>& changes) {
  Journal journal{std::string(what), {}};
  for (const FileChange& change : changes) {
    Journal::Entry entry{change.path, std::nullopt, change.contents};
    if (path_exists(change.path)) {
      entry.old_contents = read_whole_file(change.path);
      if (!entry.old_contents) return Diagnostic{change.path, 0, "cannot be read; nothing changed"};
    }
    journal.entries.push_back(std::move(entry));
  }

  // Should this run be killed before the journal is in place, the lock tells
  // the next command what it had begun.
  lock.note_operation(what);
  if (!make_folders(kHistoryDir) || !replace_file(kJournalFile, encode_journal(journal))) {
    lock.note_operation("");
    return Diagnostic{kJournalFile, 0, "cannot be written; nothing changed"};
  }
  // From the commit point the journal alone speaks for the operation: a note
  // kept longer would tell of a rollback should the journal be lost.
  lock.note_operation("");

  if (const auto failed = roll_forward(journal)) {
    const std::string& path = journal.entries[*failed].path;
    // From here a kill leaves history/rollback, and the next command rolls back.
    const bool marked = rename_durably(kJournalFile, kRollbackFile);
    // The file that failed still holds its old bytes (a replacement fails as a
    // whole); only folders made for it may need to go.
    const auto stuck = roll_back(journal, *failed);
    if (!journal.entries[*failed].old_contents) prune_empty_folders(path);
    if (stuck) {
      if (!marked)
        return Diagnostic{path, 0,
                          "cannot be written, and neither can " + journal.entries[*stuck].path +
                              ": the next league command will complete " + std::string(what)};
      return Diagnostic{path, 0,
                        "cannot be written, and " + journal.entries[*stuck].path +
                            " cannot be put back as it was: the next league command "
                            "will put back the files as they were before " +
                            std::string(what)};
    }
    remove_durably(marked ? kRollbackFile : kJournalFile);
    return Diagnostic{path, 0, "cannot be written; nothing changed"};
  }
  // Once the journal is gone the operation is complete.
  remove_durably(kJournalFile);
  return std::nullopt;
}

std::optional<Diagnostic> unrecovered_run(const std::string& why_not) {
  for (const char* path : {kJournalFile, kRollbackFile}) {
    if (!path_exists(path)) continue;
    return Diagnostic{
        path, 0,
        "an interrupted run left the league's files half changed, and this "
        "account cannot complete or roll back its change (" +
            why_not +
            "); nothing is shown from them until an account that may write to "
            "the folder runs a league command (league check), which completes or rolls "
            "it back"};
  }
  return std::nullopt;
}

Recovery recover_interrupted(const FolderLock& lock) {
  // The temporary files go first: one inside a folder that a rollback empties
  // would otherwise keep the folder.
  Recovery recovery;
  for (const bool history : {false, true}) {
    for (const fs::path& path : remove_temporary_files_in(history ? kHistoryDir : ".", history))
      recovery.removed.push_back(path.lexically_normal().generic_string());
  }

  if (path_exists(kRollbackFile)) {
    Loaded loaded = load_journal(kRollbackFile);
    if (loaded.failure) return {std::nullopt, loaded.failure, recovery.removed, {}};
    const Journal& journal = *loaded.journal;
    if (const auto stuck = roll_back(journal, journal.entries.size())) {
      recovery.failure = stuck_file(journal, *stuck, "cannot be rolled back");
      return recovery;
    }
    remove_durably(kRollbackFile);
    recovery.report = "Rolled back " + interrupted(journal.what) + '.';
  } else if (path_exists(kJournalFile)) {
    Loaded loaded = load_journal(kJournalFile);
    if (loaded.failure) return {std::nullopt, loaded.failure, recovery.removed, {}};
    const Journal& journal = *loaded.journal;
    if (const auto failed = roll_forward(journal)) {
      const bool marked = rename_durably(kJournalFile, kRollbackFile);
      if (const auto stuck = roll_back(journal, journal.entries.size())) {
        recovery.failure = stuck_file(journal, *stuck, "can be neither completed nor rolled back");
        return recovery;
      }
      remove_durably(marked ? kRollbackFile : kJournalFile);
      recovery.report = "Rolled back " + interrupted(journal.what) + ", as " +
                        journal.entries[*failed].path + " cannot be written.";
    } else {
      remove_durably(kJournalFile);
      recovery.report = "Completed " + interrupted(journal.what) + '.';
    }
  } else if (const std::string what = lock.interrupted_operation(); !what.empty()) {
    // Killed before its journal was in place: nothing of it was changed.
    recovery.report = "Rolled back " + interrupted(what) + '.';
  }
  // What a removal killed or failed between a file and its folder left.
  recovery.removed_folders = remove_empty_folders();
  return recovery;
}

}  // namespace league
