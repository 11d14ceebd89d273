// A copy of the sample folder (the simulation and its libraries) in a scratch
// directory, so that a test may save over its files and leave the real ones alone.
#pragma once

#include <filesystem>
#include <string>

#include "tests/support/ScratchDirectory.h"
#include "workbench/document/DocumentFiles.h"

class SampleCopy {
 public:
  explicit SampleCopy(const std::string& label = "sample") : m_dir(label) {
    namespace fs = std::filesystem;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(DefaultSamplePath("")).parent_path()))
      if (entry.is_regular_file()) fs::copy_file(entry.path(), fs::path(m_dir.Path()) / entry.path().filename());
  }
  std::string File(const std::string& name) const { return m_dir.File(name); }
  const ScratchDirectory& Dir() const { return m_dir; }

 private:
  ScratchDirectory m_dir;
};
