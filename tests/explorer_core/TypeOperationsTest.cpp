// Type operations against the stand-in host: the four outcomes of a move
// check, compiling with its output lines and lock-out broadcasts, and copying
// and moving types with what a copy takes over.
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/LibraryToolbarLink.h"
#include "explorer/core/QVExplorer.h"
#include "host/store/HostClassIds.h"
#include "platform/Dialog.h"
#include "tests/explorer_core/ExplorerStoreTestSupport.h"

namespace {

using namespace explorer_test;
using TypeOperationsTest = ExplorerStoreTest;

TEST_F(TypeOperationsTest, MoveChecksRefuseInUseAndSameAndReplaceAnUnusedNamesake) {
  CStoreType& units = build.Library("Units", false);
  CStorePalette& library = build.Palette(units);
  CStoreType& pressure = build.Type(Simulation(), StoreKind::Variable, "Pressure");
  build.Compiled(Simulation(), StoreKind::Model, "Tank", "Model Tank\n  P as Pressure;\nEnd\n");

  // 1. The source is in use where it is.
  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::CheckTypeMove(&pressure, &units), 0);
  EXPECT_EQ(ui.LastMessage(), "Operation Failed: Cannot move, source item cannot be removed, it is probably in use.");

  // 2. Nothing of the name at the destination.
  CStoreType& pump = build.Model(Simulation(), "Pump");
  EXPECT_EQ(CQVExplorer::CheckTypeMove(&pump, &units), 1);

  // 3. Onto itself.
  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::CheckTypeMove(&pump, SimulationType()), 0);
  EXPECT_EQ(ui.Prompts().back().text, "Cannot move, source and destination are the same.");

  // 4. A namesake in use at the destination stays (an unused one is replaced: the move test below).
  build.Type(library, StoreKind::Variable, "Flow");
  build.Compiled(library, StoreKind::Model, "Pipe", "Model Pipe\n  F as Flow;\nEnd\n");
  CStoreType& flow = build.Type(Simulation(), StoreKind::Variable, "Flow");
  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::CheckTypeMove(&flow, &units), 0);
  EXPECT_EQ(ui.Prompts().back().text, "Cannot move, destination item cannot be overwritten, it is probably in use.");
  EXPECT_NE(library.Find("Flow"), nullptr);

  // A namesake only seen through a used library is not replaced.
  CStoreType& other = build.Library("Other", false);
  build.Uses(other, units);
  build.Model(library, "Mixer");
  CStoreType& mixer = build.Model(Simulation(), "Mixer");
  EXPECT_EQ(CQVExplorer::CheckTypeMove(&mixer, &other), 1);
  EXPECT_NE(library.Find("Mixer"), nullptr);
  EXPECT_EQ(ui.Prompts().size(), 3u);
}

TEST_F(TypeOperationsTest, CompilingWritesItsLinesBetweenTheLockOutBroadcasts) {
  RecordingWindow window;  // a top-level window hears the document's broadcasts
  std::vector<std::string> timeline;
  window.onMessage = [&](const RecordedMessage& m) {
    if (m.message == WM_CORVANECM_CDB_LOCKOUT_STARTS) timeline.push_back("<lock-out starts>");
    if (m.message == WM_CORVANECM_CDB_LOCKOUT_ENDS) timeline.push_back("<lock-out ends>");
  };
  Document().Messages().AddListener([&](const MessageLogEntry& entry) { timeline.push_back(entry.text); });

  // A clean compile's lines between the broadcasts are the flowsheet compile test's.
  build.SystemLibrary();
  CStoreType& broken = build.Model(Simulation(), "Broken", "Model Broken\n  x as Nowhere;\nEnd\n");
  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::Compile(&broken, 1, 0), 0);
  ASSERT_GE(timeline.size(), 5u) << ::testing::PrintToString(timeline);
  EXPECT_EQ(timeline.front(), "<lock-out starts>");
  EXPECT_EQ(timeline[1], "\nCompiling...");
  EXPECT_EQ(timeline[timeline.size() - 2], "Compilation completed. 1 error(s), 0 warning(s)\n");
  EXPECT_EQ(timeline.back(), "<lock-out ends>");
  EXPECT_NE(timeline[2].find("Error"), std::string::npos);  // the parser's message comes in between
  EXPECT_EQ(Document().ShowOutputRequests(), 1);
  EXPECT_EQ(ui.LastMessage(), "Explorer: There are compilation errors...");
  EXPECT_TRUE(broken.HasErrors());

  // Without the message flag nobody is asked; with a toolbar provider the toolbar is told.
  CLibraryToolbarLink::ProviderCreated();
  EXPECT_EQ(CQVExplorer::Compile(&broken, 0, 1), 0);
  CLibraryToolbarLink::ProviderDestroyed();
  EXPECT_EQ(app.LibraryToolbarUpdates(), std::vector<int>{14});
  EXPECT_EQ(CQVExplorer::Compile(nullptr, 1, 0), 0);
}

TEST_F(TypeOperationsTest, CopyingATypeRenamesItsHeaderAndATakenNameAsksForAnother) {
  CStoreType& units = build.Library("Units", false);
  CStorePalette& library = build.Palette(units);
  CStoreType& flow = build.Type(Simulation(), StoreKind::Variable, "Flow", "Variable Flow\n  // Flow rate\nEnd\n");
  CComPtr<IFTypeDesc> copy;
  EXPECT_EQ(CQVExplorer::CloneType(&flow, &units, 0, &copy), 1);
  ASSERT_TRUE(copy);
  EXPECT_EQ(LatestText(library, "Flow"), "Variable Flow\n  // Flow rate\nEnd\n");
  EXPECT_TRUE(Document().IsCustomModelingUpdated());

  // The second copy into the same library gets the copy name the user accepts
  // (a move would replace the first copy instead: see the test below).
  ui.AnswerDialog([](CDialog& dialog) { dialog.PressButton(IDOK); });
  EXPECT_EQ(CQVExplorer::CloneType(&flow, &units, 0, nullptr), 1);
  EXPECT_EQ(LatestText(library, "Copy_of_Flow"), "Variable Copy_of_Flow\n  // Flow rate\nEnd\n");
  EXPECT_NE(Simulation().Find("Flow"), nullptr);

  // Cancelling the name leaves everything as it was.
  CStoreType& pump = build.Type(library, StoreKind::Variable, "Pump");
  ui.AnswerCancel();
  EXPECT_EQ(CQVExplorer::CloneType(&pump, &units, 1, nullptr), 0);
  EXPECT_NE(library.Find("Pump"), nullptr);
}

TEST_F(TypeOperationsTest, AMoveReplacesTheDestinationsNamesakeOnlyOnceTheCopyExists) {
  CStoreType& units = build.Library("Units", false);
  CStorePalette& library = build.Palette(units);
  build.Type(library, StoreKind::Variable, "Flow", "Variable Flow\n  // the old one\nEnd\n");
  build.Type(library, StoreKind::Variable, "Head", "Variable Head\n  // kept\nEnd\n");

  // The copy cannot be made (the source's text defines nothing): the old definition stays as it was.
  CStoreType& broken = build.Type(Simulation(), StoreKind::Variable, "Head", "// no definition here\n");
  ASSERT_EQ(CQVExplorer::CheckTypeMove(&broken, &units), 1);
  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::CloneType(&broken, &units, 1, nullptr), 0);
  EXPECT_EQ(ui.Prompts().back().text,
            "The definition could not be copied; the messages window says why. Nothing was changed.");
  EXPECT_EQ(LatestText(library, "Head"), "Variable Head\n  // kept\nEnd\n");
  EXPECT_NE(Simulation().Find("Head"), nullptr) << "nothing was moved, so nothing was deleted";

  // The copy is made: it takes the name, the old definition and the source are gone.
  CStoreType& flow = build.Type(Simulation(), StoreKind::Variable, "Flow", "Variable Flow\n  // the new one\nEnd\n");
  ASSERT_EQ(CQVExplorer::CheckTypeMove(&flow, &units), 1);
  EXPECT_EQ(CQVExplorer::CloneType(&flow, &units, 1, nullptr), 1);
  EXPECT_EQ(LatestText(library, "Flow"), "Variable Flow\n  // the new one\nEnd\n");
  EXPECT_EQ(Simulation().Find("Flow"), nullptr);
  EXPECT_EQ(library.Find("Replaced_1"), nullptr);
  EXPECT_EQ(ui.Prompts().size(), 1u) << "a replaced namesake asks for no copy name";
}

TEST_F(TypeOperationsTest, ANamesakeOfAUsedLibraryIsNeverTakenForTheCopy) {
  CStoreType& units = build.Library("Units", false);
  CStoreType& other = build.Library("Other", false);
  build.Uses(other, units);
  build.Type(build.Palette(units), StoreKind::Variable, "Flow", "Variable Flow\nEnd\n");
  CStoreType& flow = build.Type(Simulation(), StoreKind::Variable, "Flow", "// no definition here\n");

  CComPtr<IFTypeDesc> copy;
  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::CloneType(&flow, &other, 1, &copy), 0);
  EXPECT_FALSE(copy);
  EXPECT_NE(Simulation().Find("Flow"), nullptr) << "a move whose copy failed keeps its source";
  EXPECT_EQ(build.Palette(other).Find("Flow"), nullptr);
  EXPECT_FALSE(Document().IsCustomModelingUpdated());
}

TEST_F(TypeOperationsTest, ACopyTakesOverTheDefaultIconAndFormItAlsoHas) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CStoreType& copy = build.Model(Simulation(), "Copy_of_Tank");
  for (CStoreType* model : {&tank, &copy}) {
    build.Icon(*model, "Round");
    build.Form(*model, "Levels", CLSID_QVTableForm);
  }
  ASSERT_EQ(tank.SetDefaultIconName("Round"), S_OK);
  ASSERT_EQ(tank.SetDefaultFormName("Levels"), S_OK);
  ASSERT_NE(copy.DefaultIconName(), "Round");
  ASSERT_NE(copy.DefaultFormName(), "Levels");
  CQVExplorer::CopyModelIconDefaults(&tank, &copy);
  CQVExplorer::CopyModelFormDefaults(&tank, &copy);
  EXPECT_EQ(copy.DefaultIconName(), "Round");
  EXPECT_EQ(copy.DefaultFormName(), "Levels");
  CQVExplorer::CopyModelIconDefaults(nullptr, &copy);  // nothing to copy from: nothing changes
  EXPECT_EQ(copy.DefaultIconName(), "Round");
}

TEST_F(TypeOperationsTest, ACopiedModelThatNoLongerCompilesStaysAndTheUserIsTold) {
  build.SystemLibrary();
  CStoreType& units = build.Library("Units", false);  // does not see the system types
  CStoreType& tank = build.Compiled(Simulation(), StoreKind::Model, "Tank", "Model Tank\n  x as Value;\nEnd\n");
  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::CloneModel(&tank, &units, 1, nullptr, 0), 1);
  EXPECT_EQ(ui.LastMessage(), "Explorer: There are compilation errors caused by the change of location.");
  CStoreType* copied = build.Palette(units).Find("Tank");
  ASSERT_NE(copied, nullptr);
  EXPECT_TRUE(copied->HasErrors());
  EXPECT_EQ(Simulation().Find("Tank"), nullptr);  // moved all the same
}

}  // namespace
