#include "league/store/folder_lock.h"

#include <cerrno>
#include <cstring>

#include "common/io/league_files.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace league {

namespace {

// A note is one short line; anything else in the file is not one of ours.
constexpr std::size_t kLongestNote = 200;

}  // namespace

#ifdef _WIN32

FolderLock::FolderLock() {
  // The file is opened without sharing and goes when its handle closes, as it
  // does when the process ends in any way: a second command's open fails.
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (!::CreateDirectoryA(kHistoryDir, nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
      reason_ = "history/ cannot be created";
      return;
    }
    const HANDLE handle =
        ::CreateFileA(kLockFile, GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      handle_ = handle;
      state_ = State::kHeld;
      return;
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_SHARING_VIOLATION) {
      state_ = State::kBusy;
      return;
    }
    // history/ removed by a command that just ended, or its lock file on its
    // way out: try again.
    if (error != ERROR_PATH_NOT_FOUND && error != ERROR_FILE_NOT_FOUND &&
        error != ERROR_ACCESS_DENIED) {
      reason_ = "error " + std::to_string(error);
      return;
    }
    ::Sleep(10);
  }
  reason_ = "access denied";
}

FolderLock::~FolderLock() {
  if (state_ != State::kHeld) return;
  ::CloseHandle(handle_);
  ::RemoveDirectoryA(kHistoryDir);  // only when the lock was all it held
}

void FolderLock::note_operation(std::string_view) {}

#else

FolderLock::FolderLock() {
  // The file can be removed by the command that holds it just before we lock
  // it, or history/ with it: the lock counts only on the file still named
  // history/lock once it is held.
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (::mkdir(kHistoryDir, 0777) != 0 && errno != EEXIST) {
      reason_ = std::strerror(errno);
      return;
    }
    const int fd = ::open(kLockFile, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) {
      if (errno == ENOENT) continue;
      reason_ = std::strerror(errno);
      return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      ::close(fd);
      if (error == EWOULDBLOCK) {
        state_ = State::kBusy;
      } else {
        reason_ = std::strerror(error);
      }
      return;
    }
    struct stat held {};
    struct stat named {};
    if (::fstat(fd, &held) == 0 && ::stat(kLockFile, &named) == 0 && held.st_dev == named.st_dev &&
        held.st_ino == named.st_ino) {
      fd_ = fd;
      state_ = State::kHeld;
      break;
    }
    ::close(fd);
  }
  if (state_ != State::kHeld) {
    if (reason_.empty()) reason_ = "it keeps changing";
    return;
  }

  // A note left in the file is that of a run killed while it held the lock.
  std::string note(kLongestNote + 1, '\0');
  const ssize_t got = ::pread(fd_, note.data(), note.size(), 0);
  note.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  if (!note.empty()) {
    if (note.size() <= kLongestNote && note.back() == '\n' && note.find('\n') == note.size() - 1) {
      note.pop_back();
      noted_by_killed_run_ = note;
    }
    if (::ftruncate(fd_, 0) != 0) {
      // Harmless: this run's notes overwrite it.
    }
  }
}

FolderLock::~FolderLock() {
  if (state_ != State::kHeld) return;
  // Removed while still held, so that no other command can hold this file
  // while a newer one is created; history/ goes when the lock was all it held.
  ::unlink(kLockFile);
  ::rmdir(kHistoryDir);
  ::close(fd_);
}

void FolderLock::note_operation(std::string_view what) {
  if (state_ != State::kHeld) return;
  std::string line;
  if (!what.empty()) line = std::string(what.substr(0, kLongestNote - 1)) + '\n';
  // Best effort: the note only words the next command's message.
  if (::ftruncate(fd_, 0) != 0) return;
  if (!line.empty() && ::pwrite(fd_, line.data(), line.size(), 0) < 0) return;
}

#endif

std::string FolderLock::interrupted_operation() const {
  return state_ == State::kHeld ? noted_by_killed_run_ : std::string();
}

}  // namespace league
