#pragma once

#include <cstddef>
#include <string>

namespace league {

// What is wrong at one place of a league file, as a reader finds it. Readers
// return diagnostics; each program decides the words it prints for them.
struct Diagnostic {
  std::string file;
  std::size_t line = 0;  // from 1; 0 when it concerns the file as a whole
  std::string what;
};

// "FILE:LINE: what", or "FILE: what" without a line.
inline std::string describe(const Diagnostic& diagnostic) {
  std::string text = diagnostic.file;
  if (diagnostic.line != 0) text += ':' + std::to_string(diagnostic.line);
  return text + ": " + diagnostic.what;
}

}  // namespace league
