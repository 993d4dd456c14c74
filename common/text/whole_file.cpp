#include "common/text/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace league {

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0)
      ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<std::string> read_whole_file(const std::string& path) {
  // O_NONBLOCK keeps a named pipe without a writer from blocking the open; such
  // a file is refused right after by the regular-file test.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0)
    return std::nullopt;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
    return std::nullopt;

  // One byte more than the file's size, so that the end is seen by the first
  // read that comes back empty; a file that grows meanwhile is read to its end.
  std::string contents(static_cast<std::size_t>(info.st_size) + 1, '\0');
  std::size_t used = 0;
  for (;;) {
    if (used == contents.size())
      contents.resize(contents.size() * 2);
    const ssize_t got = ::read(fd.get(), contents.data() + used, contents.size() - used);
    if (got == 0)
      break;
    if (got < 0) {
      if (errno == EINTR)
        continue;
      return std::nullopt;
    }
    used += static_cast<std::size_t>(got);
  }
  contents.resize(used);
  return contents;
}

}  // namespace league
