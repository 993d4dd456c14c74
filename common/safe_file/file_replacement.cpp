#include "common/safe_file/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <random>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace league {

namespace {

#ifdef _WIN32
int open_new(const std::string& path, int mode) {
  int fd = -1;
  ::_sopen_s(&fd, path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _SH_DENYRW,
             mode & (_S_IREAD | _S_IWRITE));
  return fd;
}
long write_some(int fd, const char* data, std::size_t size) {
  return ::_write(fd, data, static_cast<unsigned>(size > 0x40000000 ? 0x40000000 : size));
}
bool flush_to_disk(int fd) {
  return ::_commit(fd) == 0;
}
void start_writeback(int, std::uint64_t, std::uint64_t) {}
bool close_file(int fd) {
  return ::_close(fd) == 0;
}
bool remove_file(const std::string& path) {
  return ::_unlink(path.c_str()) == 0;
}
bool rename_over(const std::string& from, const std::string& to) {
  return ::MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
void sync_directory(const std::string&) {}
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
// Starts writing a part of the file to disk without waiting for it, so that
// the disk works while the rest is still being produced and the final flush
// has little left to do. Only a hint: the flush at close() checks the result.
void start_writeback(int fd, std::uint64_t from, std::uint64_t size) {
#ifdef __linux__
  ::sync_file_range(fd, static_cast<off_t>(from), static_cast<off_t>(size), SYNC_FILE_RANGE_WRITE);
#else
  (void)fd;
  (void)from;
  (void)size;
#endif
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
// Makes the rename itself durable; a failure here cannot undo it, so it is ignored.
void sync_directory(const std::string& directory) {
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
#endif

std::string directory_of(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
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

// Creates a new file with a name that no other file has, beside `path`:
// ".<name>.tmp-<random>". Returns its descriptor and sets `temp_path`.
int create_temporary(const std::string& path, int mode, std::string& temp_path) {
  static std::mt19937_64 random{std::random_device{}()};
  const std::size_t slash = path.find_last_of("/\\");
  const std::string directory = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string candidate =
        directory + "." + base + ".tmp-" + std::to_string(random() % 1000000000000ULL);
    const int fd = open_new(candidate, mode);
    if (fd >= 0) {
      temp_path = candidate;
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

}  // namespace

FileReplacement::~FileReplacement() {
  if (fd_ >= 0) close_file(fd_);
  discard();
}

void FileReplacement::discard() {
  if (!temp_path_.empty()) remove_file(temp_path_);
  temp_path_.clear();
}

bool FileReplacement::open() {
  if (fd_ >= 0) close_file(fd_);
  discard();
  fd_ = create_temporary(path_, permissions_for(path_), temp_path_);
  written_ = 0;
  flushed_ = 0;
  failed_ = fd_ < 0;
  return !failed_;
}

bool FileReplacement::write(std::string_view data) {
  if (fd_ < 0) failed_ = true;
  if (!failed_) failed_ = !write_all(fd_, data);
  if (failed_) return false;
  written_ += data.size();
  // A large file goes to disk in steps as it is written.
  constexpr std::uint64_t kWritebackStep = std::uint64_t{1} << 20;
  if (written_ - flushed_ >= kWritebackStep) {
    start_writeback(fd_, flushed_, written_ - flushed_);
    flushed_ = written_;
  }
  return true;
}

bool FileReplacement::close() {
  if (fd_ < 0) failed_ = true;
  if (!failed_) failed_ = !flush_to_disk(fd_);
  if (fd_ >= 0 && !close_file(fd_)) failed_ = true;
  fd_ = -1;
  if (failed_) discard();
  return !failed_;
}

bool FileReplacement::prepare(std::string_view contents) {
  return open() && write(contents) && close();
}

bool FileReplacement::prepare_in_pieces(const std::function<bool(const PieceSink&)>& writer) {
  if (!open()) return false;
  // A writer that stops early leaves an incomplete text: close() then removes it.
  if (!writer([this](std::string_view piece) { return write(piece); })) failed_ = true;
  return close();
}

bool FileReplacement::commit() {
  if (temp_path_.empty() || fd_ >= 0 || failed_) return false;
  if (!rename_over(temp_path_, path_)) {
    discard();
    return false;
  }
  temp_path_.clear();
  sync_directory(directory_of(path_));
  return true;
}

bool replace_file(const std::string& path, std::string_view contents) {
  FileReplacement replacement(path);
  return replacement.prepare(contents) && replacement.commit();
}

}  // namespace league
