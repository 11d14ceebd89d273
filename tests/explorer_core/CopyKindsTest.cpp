// Copies of scripts and flowsheet tasks,
// and the texts the copies are made from.
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/QVExplorer.h"
#include "platform/Dialog.h"
#include "tests/explorer_core/ExplorerStoreTestSupport.h"

namespace {

using namespace explorer_test;
using CopyKindsTest = ExplorerStoreTest;

TEST_F(CopyKindsTest, TypeTextsAreReadInTheFormatTheirKindKeeps) {
  CStoreType& script = build.Script(build.Model(Simulation(), "Tank"), "Startup", "BOOLEAN VB\nRun()\n");
  std::string text;
  EXPECT_EQ(CQVExplorer::ReadTypeText(&script, 1, text), 1);
  EXPECT_EQ(text, "BOOLEAN VB\nRun()\n");  // plain text, whatever was asked

  build.SystemLibrary();
  CStoreType& pump = build.Compiled(Simulation(), StoreKind::Model, "Pump", "Model Pump\n  x as Value;\nEnd\n");
  ASSERT_EQ(CQVExplorer::WriteTypeText(&pump, kModellingLanguageFormat, "Model Pump\n  y as Value;\nEnd\n"), 1);
  EXPECT_EQ(CQVExplorer::ReadTypeText(&pump, 0, text), 1);
  EXPECT_EQ(text, "Model Pump\n  y as Value;\nEnd\n");
  EXPECT_EQ(CQVExplorer::ReadTypeText(&pump, 1, text), 1);
  EXPECT_NE(text.find("x as Value"), std::string::npos);  // the full text keeps the compiled one too
  EXPECT_NE(text.find("y as Value"), std::string::npos);
  // A text for another type is refused by the host.
  EXPECT_EQ(CQVExplorer::WriteTypeText(&pump, kModellingLanguageFormat, "Model Other\nEnd\n"), 0);
  EXPECT_EQ(CQVExplorer::ReadTypeText(nullptr, 0, text), 0);
}

TEST_F(CopyKindsTest, AScriptIsCopiedWordForWordAndMovedWhenAsked) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CStoreType& pump = build.Model(Simulation(), "Pump");
  build.Script(tank, "Startup", "BOOLEAN VB\n' Startup of Tank\n");
  CStoreType* source = tank.OwnedPalette()->Find("Startup");
  EXPECT_EQ(CQVExplorer::CloneScript(source, &pump, 1), 1);
  CStoreType* copy = pump.OwnedPalette()->Find("Startup");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Text(), "BOOLEAN VB\n' Startup of Tank\n");
  EXPECT_EQ(tank.OwnedPalette()->Find("Startup"), nullptr);
}

TEST_F(CopyKindsTest, AFlowsheetTaskIsCopiedUnderAFreeName) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CStoreType& task = build.Task(*Store().SimulationType(), "Fill");
  build.Task(tank, "Fill");
  ui.AnswerDialog([](CDialog& dialog) { dialog.PressButton(IDOK); });
  EXPECT_EQ(CQVExplorer::CloneFlowsheetTask(&task, &tank, 0), 1);
  CStoreType* copy = tank.OwnedPalette()->Find("Copy_of_Fill");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Text().rfind("Task Copy_of_Fill", 0), 0u) << copy->Text();
  EXPECT_NE(Simulation().Find("Fill"), nullptr);
}

}  // namespace
