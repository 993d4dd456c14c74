// Preloaded into a program (LD_PRELOAD), counts its changes to the file
// system: every successful rename, removal, new folder, flush to disk and
// open that may create a file. With LEAGUE_KILL_AT=N it kills the program
// with SIGKILL right after the Nth; with LEAGUE_KILL_COUNT=FILE it writes the
// count to FILE when the program ends.
//
// Flushes to disk are counted but not made: what a killed process wrote is
// kept by the kernel all the same, and the disk would only slow the tests.
//
// The C library's own wrappers around these calls are defined here, so the
// fortified inline versions of its headers must stay out.
#undef _FORTIFY_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

long changes = 0;

long kill_at() {
  static const long at = [] {
    const char* text = std::getenv("LEAGUE_KILL_AT");
    return text == nullptr ? 0L : std::strtol(text, nullptr, 10);
  }();
  return at;
}

// The next definition of `name` after this library: the C library's.
template <typename Function>
Function next(const char* name) {
  void* found = ::dlsym(RTLD_NEXT, name);
  Function function;
  static_assert(sizeof function == sizeof found);
  std::memcpy(&function, &found, sizeof function);
  return function;
}

// Counts a call that succeeded, and ends the program at the chosen one.
template <typename Result>
Result counted(Result result) {
  if (result >= 0 && ++changes == kill_at()) ::kill(::getpid(), SIGKILL);
  return result;
}

// The open functions, `dir` being nothing for open and open64.
int open_with(const char* name, const int* dir, const char* path, int flags, std::va_list args) {
  const bool takes_mode = (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE;
  const mode_t mode = takes_mode ? va_arg(args, mode_t) : 0;
  const int fd = dir == nullptr
                     ? next<int (*)(const char*, int, ...)>(name)(path, flags, mode)
                     : next<int (*)(int, const char*, int, ...)>(name)(*dir, path, flags, mode);
  return (flags & O_CREAT) != 0 ? counted(fd) : fd;
}

__attribute__((destructor)) void write_count() {
  const char* file = std::getenv("LEAGUE_KILL_COUNT");
  if (file == nullptr) return;
  if (std::FILE* out = std::fopen(file, "w")) {
    std::fprintf(out, "%ld\n", changes);
    std::fclose(out);
  }
}

}  // namespace

extern "C" {

int rename(const char* from, const char* to) {
  return counted(next<int (*)(const char*, const char*)>("rename")(from, to));
}
int renameat(int from_dir, const char* from, int to_dir, const char* to) {
  return counted(
      next<int (*)(int, const char*, int, const char*)>("renameat")(from_dir, from, to_dir, to));
}
int renameat2(int from_dir, const char* from, int to_dir, const char* to, unsigned flags) {
  return counted(next<int (*)(int, const char*, int, const char*, unsigned)>("renameat2")(
      from_dir, from, to_dir, to, flags));
}
int unlink(const char* path) {
  return counted(next<int (*)(const char*)>("unlink")(path));
}
int unlinkat(int dir, const char* path, int flags) {
  return counted(next<int (*)(int, const char*, int)>("unlinkat")(dir, path, flags));
}
int rmdir(const char* path) {
  return counted(next<int (*)(const char*)>("rmdir")(path));
}
int remove(const char* path) {
  return counted(next<int (*)(const char*)>("remove")(path));
}
int mkdir(const char* path, mode_t mode) {
  return counted(next<int (*)(const char*, mode_t)>("mkdir")(path, mode));
}
int mkdirat(int dir, const char* path, mode_t mode) {
  return counted(next<int (*)(int, const char*, mode_t)>("mkdirat")(dir, path, mode));
}
int fsync(int fd) {
  return counted(::fcntl(fd, F_GETFD) < 0 ? -1 : 0);
}
int fdatasync(int fd) {
  return counted(::fcntl(fd, F_GETFD) < 0 ? -1 : 0);
}
int creat(const char* path, mode_t mode) {
  return counted(next<int (*)(const char*, mode_t)>("creat")(path, mode));
}
int open(const char* path, int flags, ...) {
  std::va_list args;
  va_start(args, flags);
  const int fd = open_with("open", nullptr, path, flags, args);
  va_end(args);
  return fd;
}
int open64(const char* path, int flags, ...) {
  std::va_list args;
  va_start(args, flags);
  const int fd = open_with("open64", nullptr, path, flags, args);
  va_end(args);
  return fd;
}
int openat(int dir, const char* path, int flags, ...) {
  std::va_list args;
  va_start(args, flags);
  const int fd = open_with("openat", &dir, path, flags, args);
  va_end(args);
  return fd;
}
int openat64(int dir, const char* path, int flags, ...) {
  std::va_list args;
  va_start(args, flags);
  const int fd = open_with("openat64", &dir, path, flags, args);
  va_end(args);
  return fd;
}

}  // extern "C"
