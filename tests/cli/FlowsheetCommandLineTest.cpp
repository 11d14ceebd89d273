// The sample's flowsheet from the command line, as a user without a display
// reaches it: the tree down to every block, stream and hierarchy, and
// scripts that copy, paste, rename, cut and explore blocks and streams, saved
// and read back.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/ProgramRun.h"
#include "tests/support/ScopedConfigDir.h"

namespace {

class FlowsheetCommandLineTest : public ::testing::Test {
 protected:
  ProgramResult ScriptRuns(const std::string& text) {
    ProgramResult result = RunProgram({"--script", "-"}, text);
    EXPECT_EQ(result.exitCode, 0) << result.err << result.out;
    return result;
  }
  static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

  ScopedConfigDir config;
};

TEST_F(FlowsheetCommandLineTest, TheTreeOfTheFlowsheetShowsEveryBlockStreamAndHierarchy) {
  ProgramResult tree = RunProgram({"--tree", "Simulation/Flowsheet"});
  ASSERT_EQ(tree.exitCode, 0) << tree.err;
  EXPECT_EQ(tree.out,
            "Flowsheet\n"
            "  Blocks\n"
            "    Feed\n    LC101\n    P101\n    T101\n    T102\n"
            "    Train2\n"
            "      Blocks\n        Drain\n        Supply\n        T201\n"
            "      Streams\n        L1\n        L2\n"
            "    V101\n    Water\n"
            "  Streams\n"
            "    C1\n    M1\n    S1\n    S2\n    S3\n    S4\n    S5\n");

  ProgramResult blocks = RunProgram({"--list", "Simulation/Flowsheet/Blocks"});
  ASSERT_EQ(blocks.exitCode, 0) << blocks.err;
  EXPECT_TRUE(Has(blocks.out, "Name\tType\tStatus\tEquations\tVariables\tDoF\n")) << blocks.out;
  // A hierarchy shows its compile state by its overlay; it has no statistics of its own.
  EXPECT_TRUE(Has(blocks.out, "\nTrain2\tHierarchy\t\t")) << blocks.out;
}

TEST_F(FlowsheetCommandLineTest, ScriptsCopyPasteRenameAndCutBlocksAndTheResultIsSaved) {
  const std::string saved = config.Path() + "/Edited.vsim";
  ScriptRuns(
      "select Simulation/Flowsheet/Blocks/T101\n"
      "do Copy\n"
      "select Simulation/Flowsheet\n"
      "do Paste\n"
      "select Simulation/Flowsheet/Blocks/T101_1\n"
      "do Rename\n"
      "rename Holdup\n"
      "select Simulation/Flowsheet/Blocks/V101\n"
      "do Cut\n"
      "select Simulation/Flowsheet/Blocks/Train2\n"
      "do Paste\n"
      "select Simulation/Flowsheet/Streams\n"
      "row S5\n"
      "rename Product\n"
      "save " + saved + "\n");
  ProgramResult reread = RunProgram({"--tree", "Simulation/Flowsheet", saved});
  ASSERT_EQ(reread.exitCode, 0) << reread.err;
  EXPECT_TRUE(Has(reread.out, "\n    Holdup\n")) << reread.out;
  EXPECT_FALSE(Has(reread.out, "\n    V101\n")) << reread.out;
  EXPECT_TRUE(Has(reread.out, "\n        V101\n")) << "cut from the top, pasted into Train2:\n" << reread.out;
  EXPECT_TRUE(Has(reread.out, "\n    Product\n")) << reread.out;
}

TEST_F(FlowsheetCommandLineTest, ALibraryModelDraggedOntoTheFlowsheetIsABlockNamedAtOnceThatIsSaved) {
  const std::string saved = config.Path() + "/WithPump.vsim";
  ProgramResult result = ScriptRuns(
      "drag Simulation/Libraries/ProcessUnits/Models/CentrifugalPump to Simulation/Flowsheet copy\n"
      "rename P201\n"  // the new block's label is open for its name
      "messages\n"
      "save " + saved + "\n");
  EXPECT_TRUE(Has(result.out, "flowsheet: Add block CentrifugalPump1 of CentrifugalPump\n")) << result.out;
  ProgramResult reread = RunProgram({"--list", "Simulation/Flowsheet/Blocks", saved});
  ASSERT_EQ(reread.exitCode, 0) << reread.err;
  EXPECT_TRUE(Has(reread.out, "\nP201\tCentrifugalPump\tOK\t")) << reread.out;
  EXPECT_FALSE(Has(reread.out, "CentrifugalPump1")) << reread.out;
}

TEST_F(FlowsheetCommandLineTest, ExploringABlockOpensAnExplorerRootedThereAndWindowSwitchesBack) {
  ProgramResult result = ScriptRuns(
      "select Simulation/Flowsheet/Blocks/Train2\n"
      "explore\n"
      "tree\n"
      "window 1\n"
      "tree Simulation/UOM Sets\n");
  EXPECT_EQ(result.out,
            "window 2: Exploring - Train2\nTrain2\n  Blocks\n    Drain\n    Supply\n    T201\n"
            "  Streams\n    L1\n    L2\nUOM Sets\n");
}

}  // namespace
