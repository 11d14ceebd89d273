// A directory of its own for one test, made under the system's temporary
// directory with the label in its name, and removed with everything in it
// when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <stdlib.h>

#include "platform/SafeFile.h"

class ScratchDirectory {
 public:
  explicit ScratchDirectory(const std::string& label = "test") {
    const std::string pattern = (std::filesystem::temp_directory_path() / ("vortan-" + label + "-XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data())) m_path = name.data();
    EXPECT_FALSE(m_path.empty()) << "no scratch directory for " << label;
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::string& Path() const { return m_path; }
  std::string File(const std::string& name) const { return m_path + "/" + name; }
  // Writes text into the file name of the directory; its path.
  std::string Write(const std::string& name, const std::string& text) const {
    const std::string path = File(name);
    EXPECT_EQ(ReplaceFileContents(path, text), 0) << path;
    return path;
  }

 private:
  std::string m_path;
};
