#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>

#include "app/EditorWindow.h"
#include "app/EditorWindows.h"
#include "app/HostSession.h"
#include "app/MessageWindow.h"
#include "explorer/core/ExplorerTemplateId.h"
#include "explorer/window/ExplorerFrame.h"
#include "host/framework/CRDocTemplate.h"
#include "host/framework/CRDocument.h"
#include "host/framework/HostMessages.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/ScopedConfigDir.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

class HostSessionTest : public ::testing::Test {
 protected:
  void SetUp() override { TestApplication(); }
  HostSession host;
};

TEST_F(HostSessionTest, TheDocumentsMessagesAppearInTheMessagesWindow) {
  host.App().Document().OutputMessage("before\n", -1, 0);
  MessageWindow window;
  host.ShowMessagesIn(window);
  host.App().Document().OutputMessage("\nCompiling Tank...", -1, 0);
  host.App().Document().OutputMessage("\nCompilation completed. 1 error(s), 0 warning(s)\n", -1, 0);
  // What came before the window and what comes after, one message a line.
  EXPECT_EQ(window.Text(), "before\nCompiling Tank...\nCompilation completed. 1 error(s), 0 warning(s)");
}

TEST_F(HostSessionTest, TheFirstExplorerFillsTheAreaAndAFurtherOneIsRoomyAndStepsAside) {
  ScopedConfigDir config;
  std::string problem;
  ASSERT_TRUE(host.Open("", "", problem)) << problem;
  CMDIFrameWnd* main = host.MainFrame();
  main->MoveWindow(CRect(0, 0, 1000, 700));
  CRect area;
  main->MDIClient()->GetClientRect(&area);
  ASSERT_TRUE(host.OpenStartupExplorer());
  CMDIChildWnd* first = main->MDIGetActive();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Record()->rect, CRect(0, 0, area.Width(), area.Height()));

  // Tools > Explorer asks for another without saying where.
  tag_CorvaneViewContext context;
  context.viewClass = CLSID_ExplorerTemplate;
  static const UINT showView = RegisterWindowMessage(SHOW_CORVANEVIEW);
  ASSERT_NE(main->SendMessage(showView, 0, reinterpret_cast<LPARAM>(&context)), 0);
  CMDIChildWnd* second = main->MDIGetActive();
  ASSERT_NE(second, first);
  const CRect rect = second->Record()->rect;
  EXPECT_GE(rect.Width(), area.Width() / 2) << "not a strip of 180 pixels";
  EXPECT_GE(rect.Height(), area.Height() / 2);
  EXPECT_GT(rect.left, 0) << "a step aside from the first";
  EXPECT_LE(rect.right, area.Width());
  EXPECT_LE(rect.bottom, area.Height());
  // One more steps further from the active one, still inside the area.
  ASSERT_NE(main->SendMessage(showView, 0, reinterpret_cast<LPARAM>(&context)), 0);
  const CRect third = main->MDIGetActive()->Record()->rect;
  EXPECT_GT(third.left, rect.left);
  EXPECT_LE(third.bottom, area.Height());
  for (CMDIChildWnd* frame : main->ChildFrames()) frame->DestroyWindow();
}

TEST_F(HostSessionTest, AnEditorSessionIsAChildWindowThatCompilesAndKeepsTheTextUnlessItIsReadOnly) {
  std::string problem;
  ASSERT_TRUE(host.Open("", "", problem)) << problem;
  MessageWindow messages;
  host.ShowMessagesIn(messages);
  QMdiArea area;
  EditorWindows editors(host.App().Editor(), area);
  CStorePalette* palette = host.App().Document().Store().SimulationPalette();
  CStoreType* level = palette->Find("Level");
  ASSERT_NE(level, nullptr);
  const auto launch = [&](bool readOnly) {
    host.App().Editor().Launch(static_cast<IFType*>(palette->Owner()), static_cast<IFType*>(level), "Level", 0,
                               readOnly, 0);
    const auto& sessions = host.App().Editor().Sessions();
    return sessions.size() == 1 ? editors.WindowOf(*sessions.front()) : nullptr;
  };
  EditorWindow* editor = launch(false);
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->TextEdit()->toPlainText().contains("Variable Level"));
  EXPECT_FALSE(editor->TextEdit()->isReadOnly());

  QString text = editor->TextEdit()->toPlainText().replace("Upper: 6;", "Upper: 8;");
  editor->TextEdit()->setPlainText(text);
  EXPECT_TRUE(editor->Session()->IsModified());
  EXPECT_TRUE(editor->windowTitle().endsWith("*"));
  editor->CompileAction()->trigger();
  EXPECT_TRUE(messages.Text().contains("Compilation completed")) << messages.Text().toStdString();
  EXPECT_NE(level->Text().find("Upper: 8;"), std::string::npos) << "the compiled text is the type's";
  EXPECT_EQ(launch(false), editor) << "launching the same definition again brings the open window back";

  area.subWindowList().front()->close();
  EXPECT_TRUE(host.App().Editor().Sessions().empty()) << "closing the window ends the session";
  // No event loop turn: the closed window is not deleted yet, and the new session
  // (perhaps at the old one's address) gets a window of its own.
  EditorWindow* readOnly = launch(true);
  ASSERT_NE(readOnly, nullptr);
  EXPECT_NE(readOnly, editor);
  EXPECT_EQ(readOnly->Session(), host.App().Editor().Sessions().front().get());
  EXPECT_TRUE(readOnly->TextEdit()->isReadOnly());
  EXPECT_FALSE(readOnly->CompileAction()->isEnabled());
  EXPECT_TRUE(readOnly->windowTitle().contains("read-only"));
}

}  // namespace
