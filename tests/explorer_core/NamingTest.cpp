// Names for copies: a free name taken as it is, and the header name inside a
// copied text.
#include "explorer/core/QVExplorer.h"
#include "tests/explorer_core/ExplorerStoreTestSupport.h"

namespace {

using namespace explorer_test;
using NamingTest = ExplorerStoreTest;

TEST(ChangeNameinTextTest, OnlyTheHeaderNameIsReplacedAndCaseIsIgnored) {
  EXPECT_EQ(CQVExplorer::ChangeNameinText("Model  Tank\n  T as Tank;\nEnd\n", "tank", "Tank2"),
            "Model  Tank2\n  T as Tank;\nEnd\n");
  EXPECT_EQ(CQVExplorer::ChangeNameinText("  \tVariable\t Flow // x\nEnd\n", "FLOW", "Rate"),
            "  \tVariable\t Rate // x\nEnd\n");
  // A second word that is not the old name leaves the text as it was.
  EXPECT_EQ(CQVExplorer::ChangeNameinText("Model Pump\nEnd\n", "Tank", "Tank2"), "Model Pump\nEnd\n");
  EXPECT_EQ(CQVExplorer::ChangeNameinText("Model Ta", "Tank", "Tank2"), "Model Ta");
  // Comments written above the definition come with its text.
  EXPECT_EQ(CQVExplorer::ChangeNameinText("// feed\n/* a\nb */ Model Feed Uses Source\nEnd\n", "Feed", "Supply"),
            "// feed\n/* a\nb */ Model Supply Uses Source\nEnd\n");
  EXPECT_EQ(CQVExplorer::ChangeNameinText("// only a comment", "Feed", "Supply"), "// only a comment");
  // A longer name that merely starts with the old one is another type's name.
  EXPECT_EQ(CQVExplorer::ChangeNameinText("Model TankFarm\nEnd\n", "Tank", "Vessel"), "Model TankFarm\nEnd\n");
  EXPECT_EQ(CQVExplorer::ChangeNameinText("Model Tank_2\nEnd\n", "Tank", "Vessel"), "Model Tank_2\nEnd\n");
  EXPECT_EQ(CQVExplorer::ChangeNameinText("Model Tank(x)\nEnd\n", "Tank", "Vessel"), "Model Vessel(x)\nEnd\n");
  EXPECT_EQ(CQVExplorer::ChangeNameinText("Model", "Tank", "Tank2"), "Model");
  EXPECT_EQ(CQVExplorer::ChangeNameinText("", "Tank", "Tank2"), "");
  EXPECT_EQ(CQVExplorer::ChangeNameinText("Model Tank", "", "X"), "Model Tank");
}

TEST_F(NamingTest, AFreeNameIsTakenAsItIs) {
  build.Model(Simulation(), "Pump");
  std::string result;
  EXPECT_EQ(CQVExplorer::GenerateName(&Simulation(), "Tank", result), 1);
  EXPECT_EQ(result, "Tank");
  EXPECT_TRUE(ui.Prompts().empty());

  // A name only seen through a used library is free in the simulation's own types.
  CStoreType& library = build.Library("Units");
  build.Model(build.Palette(library), "Valve");
  EXPECT_EQ(CQVExplorer::GenerateName(&Simulation(), "Valve", result), 1);
  EXPECT_EQ(result, "Valve");
}

}  // namespace
