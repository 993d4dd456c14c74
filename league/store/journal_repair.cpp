#include "league/store/journal_repair.h"

#include <algorithm>

#include "common/io/league_files.h"
#include "common/io/whole_file.h"

namespace league {

namespace {

HeldState held_state(const JournalRemains::Entry& entry) {
  const bool there = path_exists(entry.path);
  const std::optional<std::string> now = there ? read_whole_file(entry.path) : std::nullopt;
  if (there && !now) return HeldState::kUnknown;
  const bool old_fits = entry.old_contents.fit(now);
  const bool new_fits = entry.new_contents.fit(now);
  // A cut-short field that fits may still differ past the cut; its sum tells.
  const bool old_known = entry.old_contents.known();
  const bool new_known = entry.new_contents.known();
  if (old_fits && new_fits)
    return old_known && new_known ? HeldState::kUnchanged : HeldState::kUnknown;
  if (old_fits) return old_known || new_known ? HeldState::kOld : HeldState::kUnknown;
  if (new_fits) return HeldState::kNew;
  if (!old_known || !new_known) return HeldState::kUnknown;
  return HeldState::kNeither;
}

// The changes that give every file the state `to` (old or new bytes), when
// the journal's readable part allows; nothing when it does not.
std::optional<std::vector<FileChange>> changes_to(const JournalRemains& remains,
                                                  const std::vector<JournalRepair::File>& files,
                                                  HeldState to) {
  std::vector<FileChange> changes;
  bool after_old = false;  // past a file that holds its old bytes: the later ones do too
  for (std::size_t i = 0; i < files.size(); ++i) {
    const HeldState state = files[i].state;
    if (state == to || state == HeldState::kUnchanged) {
      after_old = after_old || state == HeldState::kOld;
      continue;
    }
    if (to == HeldState::kOld && after_old && state == HeldState::kUnknown) continue;
    if (state != HeldState::kOld && state != HeldState::kNew) return std::nullopt;
    const JournalRemains::Contents& wanted =
        to == HeldState::kNew ? remains.entries[i].new_contents : remains.entries[i].old_contents;
    if (!wanted.whole() || remains.altered) return std::nullopt;
    changes.push_back(
        {files[i].path, wanted.none ? std::nullopt : std::optional<std::string>(wanted.bytes)});
  }
  return changes;
}

bool any_in(const std::vector<JournalRepair::File>& files, HeldState state) {
  return std::any_of(files.begin(), files.end(),
                     [&](const JournalRepair::File& file) { return file.state == state; });
}

// Decides from the files: see the header.
void decide(const JournalRemains& remains, JournalRepair& repair) {
  // The changes past the readable part were made only if no file read still
  // holds its old bytes; with none read at all, nothing is known of them.
  const bool rest_untouched = repair.unread == 0 || any_in(repair.files, HeldState::kOld);
  std::optional<std::vector<FileChange>> back;
  if (rest_untouched && !remains.what.empty())
    back = changes_to(remains, repair.files, HeldState::kOld);
  std::optional<std::vector<FileChange>> forward;
  if (repair.unread == 0 && remains.listed == repair.files.size() && !remains.what.empty())
    forward = changes_to(remains, repair.files, HeldState::kNew);
  const bool rollback = repair.journal == kRollbackFile;
  if (forward && (!back || !rollback)) {
    repair.choice = RepairChoice::kComplete;
    repair.changes = std::move(*forward);
  } else if (back) {
    repair.choice = RepairChoice::kRollBack;
    repair.changes = std::move(*back);
  }
}

}  // namespace

std::optional<JournalRepair> plan_journal_repair() {
  const std::string path = path_exists(kRollbackFile) ? kRollbackFile : kJournalFile;
  if (!path_exists(path)) return std::nullopt;
  const auto bytes = read_whole_file(path);
  if (bytes && decode_journal(*bytes)) return std::nullopt;
  JournalRepair repair;
  repair.journal = path;
  const JournalRemains remains = read_journal_remains(bytes.value_or(std::string()));
  repair.what = remains.what;
  repair.altered = remains.altered;
  for (const JournalRemains::Entry& entry : remains.entries)
    repair.files.push_back({entry.path, held_state(entry)});
  repair.unread =
      remains.listed > remains.entries.size() ? remains.listed - remains.entries.size() : 0;
  if (bytes) decide(remains, repair);
  if (repair.choice != RepairChoice::kUndecided && path == kRollbackFile)
    repair.changes.insert(repair.changes.begin(), FileChange{kRollbackFile, std::nullopt});
  return repair;
}

std::vector<FileChange> keep_files_changes(const JournalRepair& repair) {
  if (repair.journal == kRollbackFile) return {{kRollbackFile, std::nullopt}};
  return {};
}

}  // namespace league
