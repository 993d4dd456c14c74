#pragma once

#include <string>
#include <string_view>

namespace league {

// The lock that keeps two `league` commands from working in one league folder
// at once: history/lock, held with a lock of the operating system (flock on
// POSIX, an open without sharing on Windows) that ends with the process. A
// run that was killed therefore never blocks the next one; its lock file is
// removed by the next command that takes the lock, and a lock's history/ is
// removed again when the lock leaves it empty.
//
// While held, the lock file notes what operation the command has begun
// ("round 3"), so that the next command can tell what a run killed before its
// journal was in place had been doing (POSIX only: on Windows the file goes
// with the process).
class FolderLock {
 public:
  enum class State {
    kHeld,         // this command holds the lock
    kBusy,         // another command holds it
    kUnavailable,  // it cannot be created here (a read-only folder, say)
  };

  // Takes the lock of the league folder in the current directory, at once or
  // not at all.
  FolderLock();
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  State state() const { return state_; }
  // Why the lock is unavailable ("Permission denied"), for the message.
  const std::string& reason() const { return reason_; }

  // What a killed run that held the lock last had noted: the operation it had
  // begun and not finished, or "" when it noted none.
  std::string interrupted_operation() const;

  // Notes in the lock, when held, the operation begun: "round 3"; "" once it
  // is finished.
  void note_operation(std::string_view what);

 private:
#ifdef _WIN32
  void* handle_ = nullptr;
#else
  int fd_ = -1;
#endif
  State state_ = State::kUnavailable;
  std::string reason_;
  std::string noted_by_killed_run_;  // what interrupted_operation() tells
};

}  // namespace league
