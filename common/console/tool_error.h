#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>

namespace league {

// A condition that ends a tool's run: the exact message to print and whether the
// tool waits for a key before it exits (as it does after errors in results.txt).
// It is thrown where the condition is met and caught at the top of the run,
// before any output file has been replaced, so a failed run changes no file.
class ToolError : public std::runtime_error {
 public:
  enum class Key { kNoWait, kWait };

  explicit ToolError(std::string message, Key key = Key::kNoWait)
      : std::runtime_error(message), message_(std::move(message)), key_(key) {}

  // The whole message. Unlike what(), it keeps everything after a NUL byte,
  // which a name read from a file may hold.
  const std::string& message() const { return message_; }

  bool waits_for_key() const { return key_ == Key::kWait; }

 private:
  std::string message_;
  Key key_;
};

// Prints the error's message, waits for a key when the error asks for it and
// returns the exit status of a failed run.
int report_tool_error(const ToolError& error, std::istream& in, std::ostream& out);

// Flushes the console and reads one character, the key press that ends a run.
void wait_for_key(std::istream& in, std::ostream& out);

}  // namespace league
