// Names for copies: free "Copy_of_" candidates, the name dialog when the
// wanted name is taken, and the header name inside a copied text.
#include "explorer/core/QVExplorer.h"
#include "platform/Dialog.h"
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

TEST_F(NamingTest, ATakenNameProposesTheFirstFreeCopyNameInTheNameDialog) {
  build.Model(Simulation(), "Tank");
  build.Model(Simulation(), "Copy_of_Tank");
  ui.AnswerDialog([](CDialog& dialog) { dialog.PressButton(IDOK); });
  std::string result;
  EXPECT_EQ(CQVExplorer::GenerateName(&Simulation(), "Tank", result), 1);
  EXPECT_EQ(result, "Copy2_of_Tank");
  ASSERT_EQ(ui.Prompts().size(), 1u);
  EXPECT_EQ(ui.Prompts()[0].kind, "dialog");
  EXPECT_EQ(ui.Prompts()[0].caption, "Name Item Copy");

  build.Model(Simulation(), "Copy2_of_Tank");
  ui.AnswerName("MyTank");
  EXPECT_EQ(CQVExplorer::GenerateName(&Simulation(), "Tank", result), 1);
  EXPECT_EQ(result, "MyTank");
}

TEST_F(NamingTest, ANameTheUserGivesThatIsTakenIsRefusedAndAskedAgainUntilCancel) {
  build.Model(Simulation(), "Tank");
  build.Model(Simulation(), "Pump");
  ui.AnswerName("Pump");
  ui.AnswerOk();  // "Cannot copy the definition, ..."
  ui.AnswerName("Reactor");
  std::string result;
  EXPECT_EQ(CQVExplorer::GenerateName(&Simulation(), "Tank", result), 1);
  EXPECT_EQ(result, "Reactor");
  ASSERT_EQ(ui.Prompts().size(), 3u);
  EXPECT_EQ(ui.Prompts()[1].text, "Cannot copy the definition, a definition with this name already exists.");
  EXPECT_EQ(ui.Prompts()[1].style, MB_ICONEXCLAMATION);
  EXPECT_EQ(ui.Prompts()[2].caption, "Name Item Copy");

  ui.AnswerCancel();
  EXPECT_EQ(CQVExplorer::GenerateName(&Simulation(), "Tank", result), 0);
}

}  // namespace
