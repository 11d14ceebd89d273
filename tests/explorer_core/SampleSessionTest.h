// A person's session with the stand-in host: the Explorer module loaded, a
// sized main window, and a document the test opens (the sample, or a file of
// its own). Every Explorer still open is closed at the end, and process-wide
// state (queued messages, object handles, the clipboard) is left empty.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "explorer/core/ExplorerModule.h"
#include "explorer/core/HostObjectHandles.h"
#include "explorer/window/ExplorerDocTemplate.h"
#include "explorer/window/ExplorerFrame.h"
#include "platform/Ole.h"
#include "platform/Window.h"
#include "tests/support/ScopedConfigDir.h"
#include "tests/support/TestUserInterface.h"
#include "workbench/document/DocumentFiles.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/store/Store.h"
#include "workbench/store/StorePalette.h"

namespace explorer_test {

class SampleSessionTest : public ::testing::Test {
 protected:
  SampleSessionTest() {
    ExplorerModule::Initialize();
    ui.onProblem = [](const std::string& problem) { ADD_FAILURE() << problem; };
    ADInitDll();
    app.CreateMainWindow()->MoveWindow(0, 0, 1200, 900);
  }
  ~SampleSessionTest() override {
    for (CExplorerFrame* frame : std::vector<CExplorerFrame*>(CExplorerFrame::m_ActiveExplorers))
      frame->DestroyWindow();
    MessageQueue::Clear();
    CHostObjectHandles::Clear();
    Clipboard::Empty();
  }

  // Opens a simulation file (the sample when path is empty); a failure fails the test.
  bool Open(const std::string& path = DefaultSamplePath("")) {
    FileProblem problem;
    const bool opened = app.OpenDocument(path, problem);
    EXPECT_TRUE(opened) << problem.Describe();
    return opened;
  }
  CStorePalette& Simulation() { return *app.Document().Store().SimulationPalette(); }

  ScopedConfigDir config;
  TestUserInterface ui;
  CWorkbenchApp app;
};

}  // namespace explorer_test
