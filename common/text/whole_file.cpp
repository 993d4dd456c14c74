#include "common/text/whole_file.h"

#ifdef _WIN32
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace league {

#ifdef _WIN32

std::optional<std::string> read_whole_file(const std::string& path) {
  // Only a regular file is opened: a device would never end.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return contents;
}

std::optional<FileStamp> file_stamp(const std::string&) {
  return std::nullopt;
}

#else

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<std::string> read_whole_file(const std::string& path) {
  // O_NONBLOCK keeps a named pipe without a writer from blocking the open; the
  // regular-file test right after refuses it, and a device that never ends.
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;

  // One byte more than the file's size, so that the end is seen by the first
  // read that comes back empty; a file that grows meanwhile is read to its end.
  std::string contents(static_cast<std::size_t>(info.st_size) + 1, '\0');
  std::size_t used = 0;
  for (;;) {
    if (used == contents.size()) contents.resize(contents.size() * 2);
    const ssize_t got = ::read(fd.get(), contents.data() + used, contents.size() - used);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    used += static_cast<std::size_t>(got);
  }
  contents.resize(used);
  return contents;
}

std::optional<FileStamp> file_stamp(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  FileStamp stamp;
  stamp.device = static_cast<std::uint64_t>(info.st_dev);
  stamp.inode = static_cast<std::uint64_t>(info.st_ino);
  stamp.size = static_cast<std::int64_t>(info.st_size);
#ifdef __APPLE__
  const struct timespec& modified = info.st_mtimespec;
  const struct timespec& changed = info.st_ctimespec;
#else
  const struct timespec& modified = info.st_mtim;
  const struct timespec& changed = info.st_ctim;
#endif
  stamp.modified_s = static_cast<std::int64_t>(modified.tv_sec);
  stamp.modified_ns = static_cast<std::int64_t>(modified.tv_nsec);
  stamp.changed_s = static_cast<std::int64_t>(changed.tv_sec);
  stamp.changed_ns = static_cast<std::int64_t>(changed.tv_nsec);
  return stamp;
}

#endif

}  // namespace league
