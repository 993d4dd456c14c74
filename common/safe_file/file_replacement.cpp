#include "common/safe_file/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace league {

namespace {

std::string directory_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// The permission bits for the new file: those of the file it replaces, or what
// a newly created file would get under the current umask.
mode_t permissions_for(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
    return info.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool write_all(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t wrote = ::write(fd, data.data(), data.size());
    if (wrote < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(wrote));
  }
  return true;
}

// Makes a rename in `directory` durable; failure is harmless for correctness.
void sync_directory(const std::string& directory) {
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

FileReplacement::~FileReplacement() {
  discard();
}

void FileReplacement::discard() {
  if (!temp_path_.empty())
    ::unlink(temp_path_.c_str());
  temp_path_.clear();
}

bool FileReplacement::prepare(std::string_view contents) {
  discard();
  const std::size_t slash = path_.rfind('/');
  const std::string base = slash == std::string::npos ? path_ : path_.substr(slash + 1);
  const std::string prefix = slash == std::string::npos ? "" : path_.substr(0, slash + 1);
  std::string pattern = prefix + "." + base + ".tmp-XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0)
    return false;
  temp_path_ = pattern;
  bool ok = ::fchmod(fd, permissions_for(path_)) == 0;
  ok = ok && write_all(fd, contents);
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (!ok)
    discard();
  return ok;
}

bool FileReplacement::commit() {
  if (temp_path_.empty())
    return false;
  if (::rename(temp_path_.c_str(), path_.c_str()) != 0) {
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
