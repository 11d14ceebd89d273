// Saving and closing in the desktop program: a change shows in the title,
// closing asks Save / Discard / Cancel (Cancel keeps everything open), Save
// writes the file that opens again with the change, and Ctrl+S saves.
#include <gtest/gtest.h>

#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

#include "app/DesktopSession.h"
#include "app/EditorWindow.h"
#include "app/MainWindow.h"
#include "explorer/window/ExplorerFrame.h"
#include "platform/SafeFile.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/SampleCopy.h"
#include "tests/support/ScopedConfigDir.h"
#include "workbench/document/DocumentFiles.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/document/TextEditorService.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

// Presses the button of the next message box, remembering its text.
void AnswerNextMessageBox(QMessageBox::StandardButton button, QString& text) {
  QTimer::singleShot(0, [button, &text] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    text = box->text();
    if (QAbstractButton* pressed = box->button(button)) pressed->click();
  });
}

class DocumentLifecycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    session = std::make_unique<DesktopSession>();
    ASSERT_TRUE(session->IsReady());
    session->onEnd = [this] { ++ends; };
    session->Window().show();
    std::string problem;
    ASSERT_TRUE(session->Open(Path(), "", problem)) << problem;
    ASSERT_TRUE(session->OpenStartupExplorer());
    ProcessAll();
  }
  void TearDown() override { session.reset(); }

  std::string Path() const { return copy.File("Tanks.vsim"); }
  CStoreType* Pump() { return session->Host().App().Document().Store().SimulationPalette()->Find("TransferPump"); }
  QString Title() {
    // What the title timer and the idle update do in the running program.
    session->Host().UpdateTitle();
    session->Window().UpdateCommandStates();
    return session->Window().windowTitle();
  }

  ScopedConfigDir config;
  SampleCopy copy;
  std::unique_ptr<DesktopSession> session;
  int ends = 0;
};

TEST_F(DocumentLifecycleTest, CloseAsksAndCancelKeepsEverythingOpenThenSaveWritesTheChange) {
  EXPECT_EQ(Title().toStdString(), "Tanks.vsim - Vortan Simulation Explorer");
  const std::string original = ReadFileImage(Path(), 1u << 24).bytes;
  ASSERT_NE(Pump(), nullptr);
  // A change made past every command (straight into the store) still counts.
  Pump()->SetDescription("Pumps the buffer tank empty");
  EXPECT_EQ(Title().toStdString(), "Tanks.vsim* - Vortan Simulation Explorer");

  QString question;
  AnswerNextMessageBox(QMessageBox::Cancel, question);
  session->Window().close();
  ProcessAll();
  EXPECT_EQ(question, "Save the changes to Tanks.vsim?");
  EXPECT_EQ(ends, 0) << "Cancel keeps the program running";
  EXPECT_EQ(ShownExplorers().size(), 1u);
  EXPECT_EQ(ReadFileImage(Path(), 1u << 24).bytes, original);

  question.clear();
  AnswerNextMessageBox(QMessageBox::Yes, question);
  session->Window().close();
  ProcessAll();
  EXPECT_FALSE(question.isEmpty());
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(Title().toStdString(), "Tanks.vsim - Vortan Simulation Explorer");

  FileProblem problem;
  std::optional<LoadedSimulation> reopened = LoadSimulation(Path(), problem);
  ASSERT_TRUE(reopened) << problem.Describe();
  EXPECT_EQ(reopened->store->SimulationPalette()->Find("TransferPump")->Description(), "Pumps the buffer tank empty");
  // Nothing else of the file moved.
  const std::string saved = ReadFileImage(Path(), 1u << 24).bytes;
  EXPECT_EQ(saved.substr(0, saved.find("Section Types")), original.substr(0, original.find("Section Types")));
}

TEST_F(DocumentLifecycleTest, CtrlSSavesAndANewCloseNeedsNoQuestion) {
  ASSERT_NE(Pump(), nullptr);
  Pump()->SetDescription("Saved with the keys");
  PressKey(&session->Window(), Qt::Key_S, Qt::ControlModifier);
  ProcessAll();
  FileProblem problem;
  std::optional<LoadedSimulation> reopened = LoadSimulation(Path(), problem);
  ASSERT_TRUE(reopened) << problem.Describe();
  EXPECT_EQ(reopened->store->SimulationPalette()->Find("TransferPump")->Description(), "Saved with the keys");
  // Nothing is unsaved now: the program ends without a question.
  QString unexpected;
  AnswerNextMessageBox(QMessageBox::Cancel, unexpected);
  session->Window().close();
  ProcessAll();
  EXPECT_TRUE(unexpected.isEmpty()) << unexpected.toStdString();
  EXPECT_EQ(ends, 1);
}

TEST_F(DocumentLifecycleTest, AModifiedEditorWindowIsAskedAboutBeforeTheProgramEnds) {
  CStoreType* pump = Pump();
  ASSERT_NE(pump, nullptr);
  CStorePalette* palette = session->Host().App().Document().Store().SimulationPalette();
  ASSERT_EQ(session->Host().App().Editor().Launch(static_cast<IFType*>(palette->Owner()), static_cast<IFType*>(pump),
                                                  "TransferPump", 0, false, 0),
            S_OK);
  ProcessAll();
  EditorWindow* editor = nullptr;
  for (QMdiSubWindow* sub : session->Window().MdiArea()->subWindowList())
    if (auto* found = dynamic_cast<EditorWindow*>(sub->widget())) editor = found;
  ASSERT_NE(editor, nullptr);
  editor->TextEdit()->setPlainText("Model TransferPump Uses CentrifugalPump\nEnd\n");

  QString question;
  AnswerNextMessageBox(QMessageBox::Cancel, question);
  session->Window().close();
  ProcessAll();
  EXPECT_EQ(question, "Save the changes to TransferPump?");
  EXPECT_EQ(ends, 0) << "Cancel keeps the program and the editor open";
  EXPECT_NE(editor->Session(), nullptr);
  EXPECT_NE(pump->Text().find("SpeedRatio"), std::string::npos) << "the type keeps its text";
}

}  // namespace
