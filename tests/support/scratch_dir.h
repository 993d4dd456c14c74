#pragma once

#include <filesystem>
#include <string>

namespace league::testing {

// A fresh empty directory that is removed with the object.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& label);
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A scratch directory that is the current directory while the object lives,
// for code that works on the league in the current directory.
class ScratchWorkDir : public ScratchDir {
 public:
  explicit ScratchWorkDir(const std::string& label);
  ~ScratchWorkDir();

 private:
  std::filesystem::path previous_;
};

}  // namespace league::testing
