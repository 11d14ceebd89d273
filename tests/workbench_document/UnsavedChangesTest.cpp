// The simulation knows when it has changes its file does not hold, whatever
// route made them; Save As gives it the new file's name; New starts an
// untitled one.
#include <gtest/gtest.h>

#include "tests/workbench_document/DocumentTestSupport.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

TEST(UnsavedChangesTest, AnyChangeCountsAndSavingUnderANewNameRenamesTheSimulation) {
  SampleCopy copy("unsaved");
  const ScratchDirectory& dir = copy.Dir();
  CWorkbenchApp app;
  CWorkbenchDocument& document = app.Document();
  FileProblem problem;
  ASSERT_TRUE(document.Open(dir.File("Tanks.vsim"), problem)) << problem.Describe();
  EXPECT_FALSE(document.HasUnsavedChanges());
  // Shown but not changed: still nothing to save.
  for (const CComPtr<CStoreType>& type : document.Store().SimulationPalette()->Types()) type->Icons();
  EXPECT_FALSE(document.HasUnsavedChanges());

  // A change that told nobody is found all the same, and marks the document.
  document.Store().SimulationPalette()->Find("BufferTank")->SetDescription("Changed behind the views");
  EXPECT_TRUE(document.HasUnsavedChanges());
  EXPECT_TRUE(document.IsModified());

  ASSERT_TRUE(document.SaveAs(dir.File("Renamed.vsim"), problem)) << problem.Describe();
  EXPECT_EQ(document.GetTitle(), "Renamed.vsim");
  EXPECT_EQ(document.GetPathName(), dir.File("Renamed.vsim"));
  EXPECT_FALSE(document.HasUnsavedChanges());

  document.NewSimulation();
  EXPECT_EQ(document.GetTitle(), "Untitled");
  EXPECT_TRUE(document.GetPathName().empty());
  EXPECT_FALSE(document.HasUnsavedChanges());
  EXPECT_FALSE(document.Save(problem)) << "an untitled simulation is saved under a name";
}

}  // namespace
