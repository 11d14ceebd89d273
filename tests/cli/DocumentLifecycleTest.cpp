// The simulation's file commands without a display, answered as a script
// answers them: Open with unsaved changes asks first (Cancel changes
// nothing), a refused file leaves the simulation shown, Save As names the
// simulation after its new file.
#include <gtest/gtest.h>

#include "app/headless/DocumentLifecycle.h"
#include "explorer/resources/ExplorerResources.h"
#include "platform/SafeFile.h"
#include "platform/UserInterface.h"
#include "tests/support/SampleCopy.h"
#include "workbench/document/DocumentFiles.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

class DocumentLifecycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterExplorerResources();
    copy.Dir().Write("Other.vsim", ReadFileImage(File("Tanks.vsim"), 1u << 24).bytes);
    ui.onProblem = [](const std::string& problem) { ADD_FAILURE() << problem; };
    ASSERT_TRUE(lifecycle.OpenFile(File("Tanks.vsim")));
  }
  std::string File(const std::string& name) const { return copy.File(name); }
  CWorkbenchDocument& Document() { return app.Document(); }
  std::string LastPrompt() const { return ui.Prompts().empty() ? std::string() : ui.Prompts().back().text; }

  SampleCopy copy{"cli-lifecycle"};
  ScriptedUserInterface ui;
  ScopedUserInterface installed{ui};
  CWorkbenchApp app;
  CDocumentLifecycle lifecycle{app};
};

TEST_F(DocumentLifecycleTest, OpenAsksAboutUnsavedChangesAndCancelChangesNothing) {
  Document().Store().SimulationPalette()->Find("BufferTank")->SetDescription("Not saved yet");
  ui.AnswerCancel();
  EXPECT_FALSE(lifecycle.Do(CDocumentLifecycle::kOpen));
  EXPECT_EQ(LastPrompt(), "Save the changes to Tanks.vsim?");
  EXPECT_EQ(Document().GetTitle(), "Tanks.vsim");
  EXPECT_TRUE(Document().IsModified());

  // Discard, then the file dialog: the other simulation replaces this one.
  ui.AnswerNo();
  ui.AnswerFile(File("Other.vsim"));
  EXPECT_TRUE(lifecycle.Do(CDocumentLifecycle::kOpen));
  EXPECT_EQ(Document().GetTitle(), "Other.vsim");
  EXPECT_FALSE(Document().HasUnsavedChanges());
  EXPECT_EQ(lifecycle.Title(), "Other.vsim - Vortan Simulation Explorer");

  // A file that cannot be read is refused with a message; the simulation shown stays.
  ASSERT_EQ(ReplaceFileContents(File("Damaged.vsim"), "// Vortan simulation file, format 1.0\nModel\n"), 0);
  ui.AnswerFile(File("Damaged.vsim"));
  ui.AnswerOk();
  EXPECT_FALSE(lifecycle.Do(CDocumentLifecycle::kOpen));
  EXPECT_EQ(ui.Prompts().back().caption, "File load failure");
  EXPECT_EQ(Document().GetTitle(), "Other.vsim");
  EXPECT_EQ(ui.PendingAnswers(), 0u);
}

TEST_F(DocumentLifecycleTest, SaveAsNamesTheSimulationAndSaveWritesToThatFile) {
  Document().Store().SimulationPalette()->Find("BufferTank")->SetDescription("Saved under a new name");
  ui.AnswerFile(File("Renamed.vsim"));
  EXPECT_TRUE(lifecycle.Do(CDocumentLifecycle::kSaveAs));
  EXPECT_EQ(Document().GetTitle(), "Renamed.vsim");
  EXPECT_EQ(lifecycle.Title(), "Renamed.vsim - Vortan Simulation Explorer");
  FileProblem problem;
  std::optional<LoadedSimulation> reopened = LoadSimulation(File("Renamed.vsim"), problem);
  ASSERT_TRUE(reopened) << problem.Describe();
  EXPECT_EQ(reopened->store->SimulationPalette()->Find("BufferTank")->Description(), "Saved under a new name");

  // New: no question (nothing unsaved), an untitled simulation; Save then asks for a name.
  EXPECT_TRUE(lifecycle.Do(CDocumentLifecycle::kNew));
  EXPECT_EQ(Document().GetTitle(), "Untitled");
  ui.AnswerCancel();
  EXPECT_FALSE(lifecycle.Do(CDocumentLifecycle::kSave));
  EXPECT_EQ(ui.Prompts().back().kind, "file");
}

}  // namespace
