// A model's icons: a new icon with its picture text, and a copied icon whose
// name is taken asking for a free one.
#include "explorer/core/QVExplorer.h"
#include "host/model/IQVIcon.h"
#include "host/model/IQVIconCollection.h"
#include "platform/Dialog.h"
#include "tests/explorer_core/ExplorerStoreTestSupport.h"

namespace {

using namespace explorer_test;
using IconOperationsTest = ExplorerStoreTest;

STGMEDIUM StreamOf(const std::string& text) {
  STGMEDIUM medium;
  medium.tymed = TYMED_ISTREAM;
  medium.pstm = std::make_shared<CMemoryStream>();
  medium.pstm->Write(text.data(), text.size());  // left at its end: the copy starts from the beginning
  return medium;
}

const char* kRoundText = "Icon Round\n  Name = Round\n  Ellipse 4 4 28 28 9\nEnd\n";

TEST_F(IconOperationsTest, ANewIconTakesItsPictureAndAClashIsReported) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  STGMEDIUM picture = StreamOf(kRoundText);
  CComPtr<IFType> icon;
  EXPECT_EQ(CQVExplorer::CreateIcon(InstanceOf(tank), "Round", &icon, 1, &picture), 1);
  ASSERT_TRUE(icon);
  CStoreType* made = tank.FindIcon("Round");
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->Text(), kRoundText);
  EXPECT_TRUE(IsSameObject(icon, static_cast<IFType*>(made)));

  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::CreateIcon(InstanceOf(tank), "Round", nullptr, 1, nullptr), 0);
  EXPECT_EQ(ui.LastMessage(), "Add Icon Error: A type definition named \"Round\" already exists.");
  // A picture that cannot be written leaves no empty icon behind and is reported as a failure.
  STGMEDIUM unreadable;  // no medium at all
  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::CreateIcon(InstanceOf(tank), "Blank", nullptr, 0, &unreadable), 0);
  EXPECT_EQ(tank.FindIcon("Blank"), nullptr);
  EXPECT_EQ(ui.Prompts().back().text, "The picture of the icon \"Blank\" could not be written; no icon was added.");
  EXPECT_EQ(ui.Prompts().back().caption, "Operation Failed");
  // No model to hold icons: nothing is made.
  EXPECT_EQ(CQVExplorer::CreateIcon(nullptr, "Square", nullptr, 0, nullptr), 0);
}

// An icon copied under a free name is the model node's paste test.
TEST_F(IconOperationsTest, ACopiedIconWhoseNameIsTakenAsksForAnother) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  STGMEDIUM copied = StreamOf(kRoundText);
  // Into a model that has it already: the name dialog, then the refusal for a name still taken.
  build.Icon(tank, "Round");
  build.Icon(tank, "Oval");
  ui.AnswerName("Oval");
  ui.AnswerOk();
  ui.AnswerName("Ball");
  EXPECT_EQ(CQVExplorer::CopyIcon(InstanceOf(tank), &copied), 1);
  ASSERT_EQ(ui.Prompts().size(), 3u);
  EXPECT_EQ(ui.Prompts()[0].caption, "Name Item Copy");
  EXPECT_EQ(ui.Prompts()[1].text, "Cannot copy the definition, a definition with this name already exists.");
  CStoreType* ball = tank.FindIcon("Ball");
  ASSERT_NE(ball, nullptr);
  EXPECT_EQ(ball->Name(), "Ball");
  EXPECT_NE(ball->Text().find("Ellipse 4 4 28 28 9"), std::string::npos);  // the copied picture

  ui.AnswerCancel();
  EXPECT_EQ(CQVExplorer::CopyIcon(InstanceOf(tank), &copied), 0);
  EXPECT_EQ(CQVExplorer::CopyIcon(InstanceOf(tank), nullptr), 0);
}

}  // namespace
