// A desktop test that starts as a person does: the program's window shown,
// the sample opened and its start-up Explorer, the only one a person sees.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/DesktopSession.h"
#include "app/MainWindow.h"
#include "explorer/window/ExplorerFrame.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/ScopedConfigDir.h"

class StartedDesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    session = std::make_unique<DesktopSession>();
    ASSERT_TRUE(session->IsReady());
    session->Window().show();
    std::string problem;
    ASSERT_TRUE(session->Open("", "", problem)) << problem;
    ASSERT_TRUE(session->OpenStartupExplorer());
    ProcessAll();
    ASSERT_EQ(ShownExplorers().size(), 1u);
    explorer = ShownExplorers().front();
  }
  void TearDown() override { session.reset(); }

  ScopedConfigDir config;
  std::unique_ptr<DesktopSession> session;
  CExplorerFrame* explorer = nullptr;  // the start-up Explorer
};
