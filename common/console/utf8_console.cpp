#include "common/console/utf8_console.h"

#include <iostream>

#ifdef _WIN32
#include <windows.h>

#include <string>
#include <string_view>

#include "common/console/console_text.h"
#endif

namespace league {

#ifdef _WIN32

namespace {

bool is_console(HANDLE handle) {
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode) != 0;
}

std::wstring to_utf16(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::wstring wide(static_cast<std::size_t>(size), L'\0');  // never more units than bytes
  wide.resize(static_cast<std::size_t>(
      ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), size)));
  return wide;
}

std::string to_utf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  std::string text(wide.size() * 3, '\0');  // at most three bytes for each unit
  text.resize(static_cast<std::size_t>(
      ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(),
                            static_cast<int>(text.size()), nullptr, nullptr)));
  return text;
}

// Writes UTF-8 text to a console as UTF-16, a character split between two
// writes waiting for its last bytes; bytes that are no UTF-8 show as U+FFFD.
class ConsoleOutput : public std::streambuf {
 public:
  explicit ConsoleOutput(HANDLE console) : console_(console) {}
  ~ConsoleOutput() override { write(pending_.size()); }

 protected:
  int_type overflow(int_type ch) override {
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    pending_ += traits_type::to_char_type(ch);
    return pending_.size() < kChunk || sync() == 0 ? ch : traits_type::eof();
  }
  std::streamsize xsputn(const char* text, std::streamsize size) override {
    pending_.append(text, static_cast<std::size_t>(size));
    return pending_.size() < kChunk || sync() == 0 ? size : 0;
  }
  int sync() override { return write(complete_utf8_length(pending_)) ? 0 : -1; }

 private:
  static constexpr std::size_t kChunk = 4096;

  bool write(std::size_t bytes) {
    const std::wstring wide = to_utf16(std::string_view(pending_).substr(0, bytes));
    pending_.erase(0, bytes);
    for (std::size_t done = 0; done < wide.size();) {
      DWORD written = 0;
      if (!::WriteConsoleW(console_, wide.data() + done, static_cast<DWORD>(wide.size() - done),
                           &written, nullptr)) {
        return false;
      }
      done += written;
    }
    return true;
  }

  HANDLE console_;
  std::string pending_;
};

// Reads a console as UTF-16 and gives UTF-8 text with LF line ends.
class ConsoleInput : public std::streambuf {
 public:
  explicit ConsoleInput(HANDLE console) : console_(console) {}

 protected:
  int_type underflow() override {
    while (gptr() == egptr()) {
      if (ended_) return traits_type::eof();
      std::wstring typed(1024, L'\0');
      DWORD got = 0;
      if (!::ReadConsoleW(console_, typed.data(), static_cast<DWORD>(typed.size()), &got,
                          nullptr) ||
          got == 0) {
        return traits_type::eof();
      }
      typed.resize(got);
      typed.insert(0, high_surrogate_);
      high_surrogate_.clear();
      // The first half of a character split between two reads waits for the second.
      if (typed.back() >= 0xD800 && typed.back() <= 0xDBFF) {
        high_surrogate_ = typed.back();
        typed.pop_back();
      }
      text_.clear();
      ended_ = !line_ends_.convert(to_utf8(typed), text_);
      setg(text_.data(), text_.data(), text_.data() + text_.size());
    }
    return traits_type::to_int_type(*gptr());
  }

 private:
  HANDLE console_;
  std::wstring high_surrogate_;
  TypedLineEnds line_ends_;
  std::string text_;
  bool ended_ = false;
};

}  // namespace

Utf8Console::Utf8Console() {
  if (HANDLE in = ::GetStdHandle(STD_INPUT_HANDLE); is_console(in)) {
    in_ = std::make_unique<ConsoleInput>(in);
    old_in_ = std::cin.rdbuf(in_.get());
  }
  if (HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE); is_console(out)) {
    std::cout.flush();
    out_ = std::make_unique<ConsoleOutput>(out);
    old_out_ = std::cout.rdbuf(out_.get());
  }
  if (HANDLE err = ::GetStdHandle(STD_ERROR_HANDLE); is_console(err)) {
    std::cerr.flush();
    err_ = std::make_unique<ConsoleOutput>(err);
    old_err_ = std::cerr.rdbuf(err_.get());
  }
}

Utf8Console::~Utf8Console() {
  // The streams get their own buffers back before these go; what is still
  // pending is written as the console buffers go.
  if (old_in_ != nullptr) std::cin.rdbuf(old_in_);
  if (old_out_ != nullptr) std::cout.rdbuf(old_out_);
  if (old_err_ != nullptr) std::cerr.rdbuf(old_err_);
}

#else

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

#endif

}  // namespace league
