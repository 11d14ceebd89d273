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

TEST_F(HostSessionTest, TheSampleOpensAndABadFileIsRefusedWithItsName) {
  ASSERT_NE(host.MainFrame(), nullptr);
  std::string problem;
  EXPECT_TRUE(host.Open("", "", problem)) << problem;
  EXPECT_NE(host.App().Document().Store().SimulationPalette()->Find("Level"), nullptr);
  EXPECT_FALSE(host.Open("/nonexistent/Plant.vsim", "", problem));
  EXPECT_NE(problem.find("Plant.vsim"), std::string::npos) << problem;
}

TEST_F(HostSessionTest, TheDocumentsMessagesAppearInTheMessagesWindow) {
  host.App().Document().OutputMessage("before\n", -1, 0);
  MessageWindow window;
  host.ShowMessagesIn(window);
  host.App().Document().OutputMessage("\nCompiling Tank...", -1, 0);
  EXPECT_EQ(window.Text(), "before\n\nCompiling Tank...");
}

TEST_F(HostSessionTest, AnEditorSessionIsAChildWindowThatCompilesAndKeepsTheText) {
  std::string problem;
  ASSERT_TRUE(host.Open("", "", problem)) << problem;
  MessageWindow messages;
  host.ShowMessagesIn(messages);
  QMdiArea area;
  EditorWindows editors(host.App().Editor(), area);
  CStorePalette* palette = host.App().Document().Store().SimulationPalette();
  CStoreType* level = palette->Find("Level");
  ASSERT_NE(level, nullptr);
  ASSERT_TRUE(SUCCEEDED(host.App().Editor().Launch(static_cast<IFType*>(palette->Owner()),
                                                   static_cast<IFType*>(level), "Level", 0, false, 0)));
  ASSERT_EQ(area.subWindowList().size(), 1);
  auto* editor = dynamic_cast<EditorWindow*>(area.subWindowList().front()->widget());
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

  // Launching the same definition again brings the open window back.
  host.App().Editor().Launch(static_cast<IFType*>(palette->Owner()), static_cast<IFType*>(level), "Level", 0, false, 0);
  EXPECT_EQ(area.subWindowList().size(), 1);
}

TEST_F(HostSessionTest, AReadOnlySessionCannotBeChanged) {
  std::string problem;
  ASSERT_TRUE(host.Open("", "", problem)) << problem;
  QMdiArea area;
  EditorWindows editors(host.App().Editor(), area);
  CStorePalette* palette = host.App().Document().Store().SimulationPalette();
  CStoreType* level = palette->Find("Level");
  ASSERT_NE(level, nullptr);
  host.App().Editor().Launch(static_cast<IFType*>(palette->Owner()), static_cast<IFType*>(level), "Level", 0, true, 0);
  ASSERT_EQ(area.subWindowList().size(), 1);
  auto* editor = dynamic_cast<EditorWindow*>(area.subWindowList().front()->widget());
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->TextEdit()->isReadOnly());
  EXPECT_FALSE(editor->CompileAction()->isEnabled());
  EXPECT_TRUE(editor->windowTitle().contains("read-only"));
  area.subWindowList().front()->close();
  EXPECT_TRUE(host.App().Editor().Sessions().empty()) << "closing the window ends the session";
}

}  // namespace
