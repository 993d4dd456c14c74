#include "common/io/whole_file.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace league {

#ifdef _WIN32

std::optional<std::string> read_whole_file(const std::string& path) {
  if (path.find('\0') != std::string::npos) return std::nullopt;
  // Only a regular file is opened: a device would never end. The name goes to
  // the runtime's narrow functions, which take it in the program's code page
  // (UTF-8, set by its manifest), as every other file function of the tools does.
  struct _stat64 info {};
  if (::_stat64(path.c_str(), &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) {
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return contents;
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
  if (path.find('\0') != std::string::npos) return std::nullopt;
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

#endif

std::size_t byte_order_mark_length(std::string_view contents) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  return contents.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
}

std::optional<std::string> read_league_file(const std::string& path) {
  auto contents = read_whole_file(path);
  if (contents) contents->erase(0, byte_order_mark_length(*contents));
  return contents;
}

std::string read_league_file_or_fail(const std::string& path, const std::string& message,
                                     ToolError::Key key) {
  auto contents = read_league_file(path);
  if (!contents) throw ToolError(message, key);
  return std::move(*contents);
}

bool path_exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

}  // namespace league
