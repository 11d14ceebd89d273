// Shared pieces of the document tests: the sample simulation and its copies,
// scratch directories, and a provider that records announcements.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include <unistd.h>

#include "platform/SafeFile.h"
#include "tests/support/SampleCopy.h"
#include "platform/UserInterface.h"
#include "workbench/document/DocumentFiles.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

inline std::string SamplePath() { return DefaultSamplePath(""); }
inline std::string SampleDirectory() { return std::filesystem::path(SamplePath()).parent_path().string(); }

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

// A test that starts with the sample simulation open in a workbench application.
class SampleDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FileProblem problem;
    ASSERT_TRUE(app.OpenDocument(SamplePath(), problem)) << problem.Describe();
  }
  CWorkbenchDocument& Doc() { return app.Document(); }
  CStoreType& Type(const char* name) { return *Doc().Store().SimulationPalette()->Find(name); }

  ScriptedTestUi ui;
  CWorkbenchApp app;
};
