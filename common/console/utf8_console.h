#pragma once

#include <memory>
#include <streambuf>

namespace league {

// While it lives, std::cin, std::cout and std::cerr read and write a console
// window, when they are one, through the console's UTF-16 functions, so that
// names typed and shown there are UTF-8 text to the tools whatever code page the
// console uses. Pipes and files are left as they are, and so is everything on
// systems other than Windows, where a terminal takes the bytes as they are.
// Create it after std::ios::sync_with_stdio(false), which replaces the streams'
// buffers.
class Utf8Console {
 public:
  Utf8Console();
  ~Utf8Console();
  Utf8Console(const Utf8Console&) = delete;
  Utf8Console& operator=(const Utf8Console&) = delete;

#ifdef _WIN32
 private:
  std::unique_ptr<std::streambuf> in_, out_, err_;
  std::streambuf* old_in_ = nullptr;
  std::streambuf* old_out_ = nullptr;
  std::streambuf* old_err_ = nullptr;
#endif
};

}  // namespace league
