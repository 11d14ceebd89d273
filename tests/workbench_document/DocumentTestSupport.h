// Shared pieces of the document tests: the sample simulation, a scratch
// directory, and a provider that records announcements.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include <unistd.h>

#include "platform/SafeFile.h"
#include "platform/UserInterface.h"
#include "workbench/document/DocumentFiles.h"

inline std::string SamplePath() { return DefaultSamplePath(""); }
inline std::string SampleDirectory() { return std::filesystem::path(SamplePath()).parent_path().string(); }

// A directory of its own for one test, removed afterwards.
class ScratchDirectory {
 public:
  explicit ScratchDirectory(const std::string& name)
      : m_path(std::filesystem::temp_directory_path() /
               ("vortan_document_" + name + "_" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
  }
  ~ScratchDirectory() {
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
  }
  std::string File(const std::string& name) const { return (m_path / name).string(); }
  std::string Write(const std::string& name, const std::string& text) const {
    const std::string path = File(name);
    EXPECT_EQ(ReplaceFileContents(path, text), 0);
    return path;
  }
  std::string Path() const { return m_path.string(); }

 private:
  std::filesystem::path m_path;
};

// A copy of the sample folder, so that saving over its files leaves the real ones alone.
class SampleCopy {
 public:
  explicit SampleCopy(const std::string& name) : m_dir(name) {
    namespace fs = std::filesystem;
    for (const fs::directory_entry& entry : fs::directory_iterator(SampleDirectory()))
      if (entry.is_regular_file()) fs::copy_file(entry.path(), fs::path(m_dir.Path()) / entry.path().filename());
  }
  std::string File(const std::string& name) const { return m_dir.File(name); }
  const ScratchDirectory& Dir() const { return m_dir; }

 private:
  ScratchDirectory m_dir;
};

inline std::string ReadAll(const std::string& path) { return ReadFileImage(path, 1u << 26).bytes; }

// A scripted provider installed for the test, failing it on any prompt it did not expect.
class ScriptedTestUi {
 public:
  ScriptedTestUi() : m_scope(m_ui) {
    m_ui.onProblem = [](const std::string& problem) { ADD_FAILURE() << problem; };
  }
  ScriptedUserInterface& Ui() { return m_ui; }
  bool Announced(const std::string& line) const {
    for (const std::string& a : m_ui.Announcements())
      if (a == line) return true;
    return false;
  }

 private:
  ScriptedUserInterface m_ui;
  ScopedUserInterface m_scope;
};
