#include "tests/support/scratch_dir.h"

#include <stdlib.h>

#include <stdexcept>
#include <system_error>

namespace league::testing {

namespace fs = std::filesystem;

ScratchDir::ScratchDir(const std::string& label) {
  std::string pattern = (fs::temp_directory_path() / (label + "-XXXXXX")).string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

ScratchWorkDir::ScratchWorkDir(const std::string& label)
    : ScratchDir(label), previous_(fs::current_path()) {
  fs::current_path(path());
}

ScratchWorkDir::~ScratchWorkDir() {
  std::error_code ignored;
  fs::current_path(previous_, ignored);
}

}  // namespace league::testing
