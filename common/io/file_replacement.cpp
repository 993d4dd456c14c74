#include "common/io/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <sys/file.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>

#include "common/io/whole_file.h"
#include "common/text/spaces.h"

#ifdef _WIN32
#include <io.h>
#include <share.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace league {

namespace {

std::function<bool(const std::string&)>& rename_check() {
  static std::function<bool(const std::string&)> check;
  return check;
}

#ifdef _WIN32
// The temporary file is always writable, whatever the target's bits, so that
// it can be removed should the rename fail; a read-only target's attribute is
// given to the new file once it is in place.
int open_new(const std::string& path, int) {
  int fd = -1;
  ::_sopen_s(&fd, path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _SH_DENYRW,
             _S_IREAD | _S_IWRITE);
  return fd;
}
long write_some(int fd, const char* data, std::size_t size) {
  return ::_write(fd, data, static_cast<unsigned>(size > 0x40000000 ? 0x40000000 : size));
}
bool flush_to_disk(int fd) {
  return ::_commit(fd) == 0;
}
bool close_file(int fd) {
  return ::_close(fd) == 0;
}
bool remove_file(const std::string& path) {
  return ::_unlink(path.c_str()) == 0;
}
// The file is open without sharing until it is closed, which keeps other
// programs from removing it; nothing more is held.
bool hold(int, const std::string&) {
  return true;
}
int keep_held(int) {
  return -1;
}
void let_go(int) {}
// A temporary file still open by its writer cannot be removed.
bool remove_if_abandoned(const std::string& path) {
  return remove_file(path);
}
// Windows refuses to rename over a read-only file: its attribute is lifted for
// the rename and set on the new file, or back on the old one should it fail.
bool rename_over(const std::string& from, const std::string& to) {
  const DWORD attributes = ::GetFileAttributesA(to.c_str());
  const bool read_only =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (read_only) ::SetFileAttributesA(to.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  const bool renamed = ::MoveFileExA(from.c_str(), to.c_str(),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (read_only) {
    const DWORD now = ::GetFileAttributesA(to.c_str());
    if (now != INVALID_FILE_ATTRIBUTES)
      ::SetFileAttributesA(to.c_str(), now | FILE_ATTRIBUTE_READONLY);
  }
  return renamed;
}
#else
int open_new(const std::string& path, int mode) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  // The mode is set explicitly: the umask must not narrow the old file's bits.
  if (fd >= 0 && ::fchmod(fd, static_cast<mode_t>(mode)) != 0) {
    ::close(fd);
    ::unlink(path.c_str());
    return -1;
  }
  return fd;
}
long write_some(int fd, const char* data, std::size_t size) {
  return ::write(fd, data, size);
}
bool flush_to_disk(int fd) {
  return ::fsync(fd) == 0;
}
bool close_file(int fd) {
  return ::close(fd) == 0;
}
bool remove_file(const std::string& path) {
  return ::unlink(path.c_str()) == 0;
}
bool rename_over(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}
// Locks a newly created temporary file for its writer. False when another
// program (one removing abandoned files) took it first, or removed it between
// its creation and the lock: the writer then picks another name.
bool hold(int fd, const std::string& path) {
  // A file system without locks gives the old behaviour: nothing is held.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return errno != EWOULDBLOCK;
  struct stat opened {
  }, named{};
  return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
         opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}
// The lock belongs to the open file, so a duplicate keeps it after the
// written descriptor's checked close, through the rename.
int keep_held(int fd) {
  return ::dup(fd);
}
void let_go(int held) {
  if (held >= 0) ::close(held);
}
bool remove_if_abandoned(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return false;
  // Its writer holds the lock while it runs; a killed writer's lock is gone.
  const bool abandoned = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  const bool removed = abandoned && remove_file(path);
  ::close(fd);
  return removed;
}
#endif

std::string directory_of(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The permission bits for the new file: those of the file it replaces, or what
// a newly created file would get under the current umask.
int permissions_for(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == S_IFREG) {
    return static_cast<int>(info.st_mode & 07777);
  }
  const auto mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~static_cast<int>(mask);
}

bool write_all(int fd, std::string_view data) {
  while (!data.empty()) {
    const long wrote = write_some(fd, data.data(), data.size());
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(wrote));
  }
  return true;
}

// Creates a new file beside `path` with a short name that no other file has,
// ".tmp-<random>": short, so that any target whose own name is legal can be
// written. Returns its descriptor and sets `temp_path`.
int create_temporary(const std::string& path, std::string& temp_path) {
  static std::mt19937_64 random{std::random_device{}()};
  const int mode = permissions_for(path);
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp_path = directory_of(path) + std::string(kTemporaryPrefix) +
                std::to_string(random() % 1000000000000ULL);
    const int fd = open_new(temp_path, mode);
    if (fd >= 0) {
      if (hold(fd, temp_path)) return fd;
      close_file(fd);
      continue;
    }
    if (errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

#ifdef _WIN32
// Windows makes a rename or a removal durable with the file's own flush; it
// has no flush for a folder.
void sync_folder(const std::string&) {}
#else
void sync_folder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
#endif

bool is_temporary_name(std::string_view name) {
  if (name.substr(0, kTemporaryPrefix.size()) != kTemporaryPrefix) return false;
  const std::string_view digits = name.substr(kTemporaryPrefix.size());
  return !digits.empty() && std::all_of(digits.begin(), digits.end(), is_digit);
}

bool remove_abandoned_temporary(const std::string& path) {
  return remove_if_abandoned(path);
}

void FileReplacement::release() {
  let_go(held_);
  held_ = -1;
}

void FileReplacement::discard() {
  if (!temp_path_.empty()) remove_file(temp_path_);
  temp_path_.clear();
  release();
}

bool FileReplacement::prepare(std::string_view contents) {
  discard();
  // A name is its whole byte string: one with a NUL byte names no file.
  if (path_.find('\0') != std::string::npos) return false;
  const int fd = create_temporary(path_, temp_path_);
  if (fd < 0) {
    temp_path_.clear();
    return false;
  }
  bool written = write_all(fd, contents) && flush_to_disk(fd);
  held_ = keep_held(fd);
  written = close_file(fd) && written;
  if (!written) discard();
  return written;
}

bool FileReplacement::commit() {
  if (temp_path_.empty()) return false;
  const auto& check = rename_check();
  if ((check && !check(path_)) || !rename_over(temp_path_, path_)) {
    discard();
    return false;
  }
  temp_path_.clear();
  release();
  // Makes the rename itself durable; a failure here cannot undo it.
  sync_folder(directory_of(path_).empty() ? "." : directory_of(path_));
  return true;
}

bool replace_file(const std::string& path, std::string_view contents) {
  FileReplacement replacement(path);
  return replacement.prepare(contents) && replacement.commit();
}

TogetherOutcome replace_files_together(const std::vector<FileUpdate>& updates) {
  std::vector<std::unique_ptr<FileReplacement>> prepared;
  for (const FileUpdate& update : updates) {
    prepared.push_back(std::make_unique<FileReplacement>(update.path));
    if (!prepared.back()->prepare(update.contents)) return {update.path, {}};
  }
  // The old versions, to put back should a later rename fail; the last file's
  // is never needed.
  std::vector<std::optional<std::string>> old_versions;
  for (std::size_t i = 0; i + 1 < updates.size(); ++i)
    old_versions.push_back(read_whole_file(updates[i].path));
  for (std::size_t i = 0; i < updates.size(); ++i) {
    if (prepared[i]->commit()) continue;
    TogetherOutcome outcome{updates[i].path, {}};
    for (std::size_t done = 0; done < i; ++done) {
      const std::string& path = updates[done].path;
      const bool restored = old_versions[done] ? replace_file(path, *old_versions[done])
                                               : std::remove(path.c_str()) == 0;
      if (!restored) outcome.left_new.push_back(path);
    }
    return outcome;
  }
  return {};
}

void set_rename_check_for_testing(std::function<bool(const std::string& target)> check) {
  rename_check() = std::move(check);
}

}  // namespace league
