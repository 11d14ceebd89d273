#include <gtest/gtest.h>

#include "explorer/resources/CommandIds.h"
#include "platform/Command.h"
#include "platform/Menu.h"
#include "platform/Resources.h"
#include "platform/Window.h"
#include "tests/support/TestUserInterface.h"

namespace {

// Enables 10, disables 11, checks 12; leaves every other id alone.
class Owner : public CWnd {
 public:
  std::vector<UINT> commands;
  bool OnCmdMsg(UINT id, int code, CCmdUI* ui) override {
    if (code == CN_UPDATE_COMMAND_UI) {
      if (id == 10) ui->Enable(true);
      else if (id == 11) ui->Enable(false);
      else if (id == 12) ui->SetCheck(1);
      else return false;
      return true;
    }
    commands.push_back(id);
    return true;
  }
};

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(owner.Create("owner", "", 0, CRect(), nullptr, 0)); }
  void TearDown() override { MessageQueue::Clear(); }
  TestUserInterface ui;
  Owner owner;
};

TEST(MenuText, PlainTextDropsMarksAndAccelerator) {
  EXPECT_EQ(PlainMenuText("P&roperties...\tAlt+Enter"), "Properties...");
  EXPECT_EQ(PlainMenuText("Save && Close"), "Save & Close");
}

TEST_F(MenuTest, TrackingUpdatesStateFromTheOwnerAndPostsTheChoice) {
  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING, 10, "&Ten");
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(MF_STRING, 11, "E&leven");
  menu.AppendMenu(MF_STRING, 12, "T&welve");
  ui.AnswerMenu("Ten");
  EXPECT_NE(menu.TrackPopupMenu(TPM_RIGHTBUTTON, 0, 0, &owner), 0u);
  EXPECT_FALSE(menu.Items()[2].IsEnabled());
  EXPECT_TRUE(menu.Items()[3].IsChecked());
  EXPECT_TRUE(owner.commands.empty()) << "the command is posted, not sent";
  MessageQueue::Pump();
  EXPECT_EQ(owner.commands, std::vector<UINT>{10});
  ASSERT_EQ(ui.Prompts().size(), 1u);
  EXPECT_EQ(ui.Prompts()[0].details[2], "E&leven (disabled)");
}

TEST_F(MenuTest, ADisabledItemIsNeverChosen) {
  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING, 11, "E&leven");
  ui.onProblem = [](const std::string&) {};  // expected below
  ui.AnswerMenu("Eleven");
  EXPECT_EQ(menu.TrackPopupMenu(TPM_RIGHTBUTTON, 0, 0, &owner), 0u);
  MessageQueue::Pump();
  EXPECT_TRUE(owner.commands.empty());
}

TEST_F(MenuTest, ResourceMenusLoadAsCopies) {
  RegisterMenu(60001, {MenuResourceItem::Popup("x", {MenuResourceItem::Item(1, "&One"), MenuResourceItem::Separator(),
                                                     MenuResourceItem::Item(2, "&Two")})});
  CMenu a, b;
  ASSERT_TRUE(a.LoadMenu(60001));
  ASSERT_TRUE(b.LoadMenu(60001));
  CMenu* sub = a.GetSubMenu(0);
  ASSERT_NE(sub, nullptr);
  ASSERT_EQ(sub->GetMenuItemCount(), 3);
  EXPECT_TRUE(sub->Items()[1].IsSeparator());
  sub->RemoveMenu(0, MF_BYPOSITION);
  EXPECT_EQ(b.GetSubMenu(0)->GetMenuItemCount(), 3) << "a loaded menu is the caller's own copy";
  CMenu missing;
  EXPECT_FALSE(missing.LoadMenu(60999));
}

TEST(Accelerators, MatchRequiresExactModifiers) {
  AcceleratorTable table;
  table.entries = {{FVIRTKEY | FCONTROL, 'S', ID_FILE_SAVE}, {FVIRTKEY | FCONTROL | FSHIFT, 'S', ID_HOST_SNAPSHOTS}};
  EXPECT_EQ(table.Find('S', false, true, false), ID_FILE_SAVE);
  EXPECT_EQ(table.Find('S', true, true, false), ID_HOST_SNAPSHOTS);
  EXPECT_EQ(table.Find('S', false, false, false), 0u);
  EXPECT_EQ(AcceleratorTable::KeyText(table.entries[1]), "Ctrl+Shift+S");
  EXPECT_EQ(AcceleratorTable::KeyText({FVIRTKEY | FALT, VK_RETURN, ID_VIEW_PROPERTIES}), "Alt+Enter");
}

}  // namespace
