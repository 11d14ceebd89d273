// The system's message boxes: string-table texts, the "Add ... Error" captions
// of failed creations naming the requested type once, and the literal boxes.
#include "explorer/core/QVExplorer.h"
#include "explorer/resources/StringIds.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"

namespace {

using namespace explorer_test;
using MessageBoxesTest = ExplorerCoreTest;

TEST_F(MessageBoxesTest, FailedCreationGetsTheAddErrorCaptionAndNamesTheTypeOnce) {
  CQVExplorer::SetName("Reactor");
  ui.AnswerOk();
  CQVExplorer::DisplayMessage(IDS_MODEL_NAME_TAKEN, 0, MB_ICONEXCLAMATION, nullptr);
  ASSERT_EQ(ui.Prompts().size(), 1u);
  EXPECT_EQ(ui.Messages()[0], "Add Model Error: A type definition named \"Reactor\" already exists.");
  EXPECT_EQ(ui.Prompts()[0].style, MB_ICONEXCLAMATION);
  EXPECT_TRUE(CQVExplorer::msName.empty());

  // The name was used up: the same message now shows its own text.
  ui.AnswerOk();
  CQVExplorer::DisplayMessage(IDS_MODEL_NAME_TAKEN, 0, MB_ICONEXCLAMATION, nullptr);
  EXPECT_EQ(ui.Prompts()[1].caption, "Add Model Error");
  EXPECT_EQ(ui.Prompts()[1].text, "Cannot create the model, a type definition with this name already exists.");
}

TEST_F(MessageBoxesTest, OtherMessagesKeepTheirCaptionAndTextAndStillUseUpTheName) {
  CQVExplorer::SetName("Reactor");
  ui.AnswerYes();
  EXPECT_EQ(CQVExplorer::DisplayMessage(IDS_CONFIRM_DELETE, IDS_CONFIRM_CAPTION, MB_YESNO | MB_ICONQUESTION, nullptr),
            IDYES);
  EXPECT_EQ(ui.Messages()[0], "Please Confirm This Operation: Are you sure that you want to delete this object?");
  EXPECT_TRUE(CQVExplorer::msName.empty());

  // Caption 0 is "Operation Failed".
  ui.AnswerOk();
  CQVExplorer::DisplayMessage(IDS_MOVE_ONTO_ITSELF, 0, MB_ICONEXCLAMATION, nullptr);
  EXPECT_EQ(ui.Messages()[1], "Operation Failed: Cannot move, source and destination are the same.");

  // The text form shows its text as given, with the string caption.
  CQVExplorer::SetName("Reactor");
  ui.AnswerOk();
  CQVExplorer::DisplayMessage(std::string("Name already exists."), IDS_RENAME_TYPE, MB_ICONINFORMATION, nullptr);
  EXPECT_EQ(ui.Messages()[2], "Rename Type: Name already exists.");
  EXPECT_EQ(CQVExplorer::msName, "Reactor");  // only the string form uses the name up
  CQVExplorer::SetName("");
}

}  // namespace
