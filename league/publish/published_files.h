#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"
#include "league/store/folder_lock.h"
#include "league/store/transaction.h"

namespace league {

// The outputs of `league publish` on disk: which existing files it may
// replace, and how it replaces them.

// The mark each published format carries, by which publish recognises the
// files it wrote: the page's <meta name="generator">, the JSON's "generator"
// and (in its own form) the calendar's PRODID.
inline constexpr std::string_view kPublishGenerator = "league publish";

// Whether `contents` is a page, JSON or calendar that `league publish` wrote.
bool written_by_publish(std::string_view contents);

// Whether publish may write `path`: its folder exists, and a file there
// already is one that publish wrote (any file when `force`). The problem
// otherwise, naming the missing folder or the file.
std::optional<Diagnostic> check_output_place(const std::string& path, bool force);

// Removes the temporary files that killed runs left in the folders of the
// outputs, other than the league folder (where every command removes them),
// while no running program writes them; their paths.
std::vector<std::string> remove_output_temporaries(const std::vector<std::string>& paths);

// Replaces every output or none, a kill included: as one transaction of the
// league folder's journal when `lock` is held (the next league command
// completes or rolls back a killed run, outputs outside the folder too).
// Without the lock (a league folder no one may write) every output is written
// beside its file before any is renamed into place, and a kill between two
// renames leaves the earlier outputs new and the later ones old.
std::optional<Diagnostic> replace_outputs(FolderLock& lock, const std::vector<FileChange>& outputs);

}  // namespace league
