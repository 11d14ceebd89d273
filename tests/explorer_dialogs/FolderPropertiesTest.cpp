// A person at an Explorer on the sample simulation chooses Properties on
// Custom Modeling: the Folder Properties grid shows the user folders that
// hold models in toolbar order, moves them across the grid's last row,
// refuses duplicate descriptions, and OK writes the folders' settings, which
// a saved and reopened simulation still has.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>

#include "explorer/core/ExplorerCommands.h"
#include "explorer/dialogs/CustomModelingProperties.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/FolderPropertiesTemplate.h"
#include "explorer/window/ExplorerDocTemplate.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerTreeView.h"
#include "tests/explorer_core/PaneTestSupport.h"
#include "tests/explorer_core/SampleSessionTest.h"
#include "workbench/document/DocumentFiles.h"
#include "workbench/store/Builder.h"
#include "workbench/store/Store.h"
#include "workbench/store/StoreFolder.h"
#include "workbench/store/StorePalette.h"

namespace {

using Strings = std::vector<std::string>;

class FolderPropertiesTest : public explorer_test::SampleSessionTest {
 protected:
  CStoreFolder& UserFolder(const std::string& name) {
    return *Simulation().KindFolder(StoreKind::Model)->SubFolder(name);
  }
  // count user folders F01, F02... each holding one model.
  void AddFoldersWithModels(int count) {
    CStoreBuilder build(app.Document().Store());
    for (int i = 1; i <= count; ++i) {
      const std::string name = (i < 10 ? "F0" : "F") + std::to_string(i);
      build.MoveTo(build.Model(Simulation(), "M" + name), build.Folder(Simulation(), "BlockTypeFolder/" + name));
    }
  }

  // Opens an Explorer, selects Custom Modeling (left unexpanded) and chooses
  // Properties through the window's command routing; work runs on the sheet.
  void ChooseProperties(const std::function<void(CPropertySheet&, CFolderProperties&)>& work) {
    CExplorerFrame* frame = CExplorerFrame::Open(nullptr);
    ASSERT_TRUE(frame);
    CExplorerTreeView* tree = frame->GetTreeView();
    HTREEITEM custom = explorer_test::FindTreeChild(*tree, tree->GetRootTreeItem(), "Custom Modeling");
    ASSERT_TRUE(custom);
    ASSERT_TRUE(tree->UserClick(custom));
    ui.AnswerSheet([&](CPropertySheet& sheet) {
      auto* page = dynamic_cast<CFolderProperties*>(sheet.GetActivePage());
      ASSERT_TRUE(page);
      work(sheet, *page);
    });
    EXPECT_TRUE(frame->RunCommand(ID_EXPLORER_PROPERTIES));
    MessageQueue::Pump();
    ui.ExpectAllAnswersUsed();
  }

  static Strings Column(CFolderProperties& page, int FolderRowIds::*column) {
    Strings texts;
    for (const FolderRowIds& row : kFolderRows) {
      CDialogItem* item = page.Item(row.*column);
      if (!item->IsWindowEnabled()) break;
      if (item->Kind() == ControlKind::CheckBox) {
        texts.push_back(item->GetCheck() == BST_CHECKED ? "x" : "-");
      } else {
        texts.push_back(item->GetWindowText());
      }
    }
    return texts;
  }
  static Strings Names(CFolderProperties& page) { return Column(page, &FolderRowIds::name); }
  static Strings FolderNames(CFolderProperties& page) {
    Strings names;
    for (const CFolderProperties::Folder& folder : page.Folders()) names.push_back(folder.name);
    return names;
  }
  static void Click(CFolderProperties& page, int id) { EXPECT_TRUE(page.Item(id)->UserClick()) << id; }
  // The toolbar order stored for each named user folder.
  std::vector<int> Orders(std::initializer_list<const char*> names) {
    std::vector<int> orders;
    for (const char* name : names) UserFolder(name).GetToolbarOrder(&orders.emplace_back(0));
    return orders;
  }
  static int Tank(CStoreFolder& folder) {
    int tank = 0;
    folder.GetTankIcon(&tank);
    return tank;
  }
  static std::optional<std::string> Description(CStoreFolder& folder) {
    std::optional<std::string> description;
    folder.GetDescription(description);
    return description;
  }
};

// What the sheet shows of the sample's folders is read by the command-line and
// desktop tests; here, that Cancel after changes leaves every folder as it was.
TEST_F(FolderPropertiesTest, CancelAfterChangesLeavesTheFoldersAsTheyWere) {
  ASSERT_TRUE(Open(DefaultSamplePath("")));
  app.Document().SetModifiedFlag(false);
  ChooseProperties([&](CPropertySheet& sheet, CFolderProperties& page) {
    EXPECT_FALSE(sheet.IsButtonUsable(ID_APPLY_NOW));
    EXPECT_FALSE(sheet.IsButtonUsable(IDHELP));
    EXPECT_EQ(page.Item(kFolderRows[0].description)->GetLimitText(), 27);
    // Selecting a row offers the moves that fit it.
    Click(page, kFolderRows[2].name);
    EXPECT_TRUE(page.Item(IDC_FOLDER_MOVE_UP)->IsWindowEnabled());
    EXPECT_FALSE(page.Item(IDC_FOLDER_MOVE_DOWN)->IsWindowEnabled());
    Click(page, IDC_FOLDER_MOVE_UP);
    Click(page, kFolderRows[0].visible);
    page.Item(kFolderRows[0].description)->UserType("Changed");
    EXPECT_EQ(Names(page), (Strings{"Storage", "Obsolete", "FlowControl"}));
    sheet.PressButton(IDCANCEL);
  });
  EXPECT_EQ(Orders({"Storage", "FlowControl"}), (std::vector<int>{1, 2}));
  EXPECT_EQ(Description(UserFolder("Storage")), "Tanks and vessels");
  EXPECT_FALSE(app.Document().IsModified());
}

TEST_F(FolderPropertiesTest, TwentyFoldersScrollAndMoveAcrossTheLastRow) {
  ASSERT_TRUE(Open(DefaultSamplePath("")));
  AddFoldersWithModels(17);
  ChooseProperties([&](CPropertySheet& sheet, CFolderProperties& page) {
    ASSERT_EQ(page.Folders().size(), 20u);
    CDialogItem* bar = page.Item(IDC_FOLDER_SCROLL);
    EXPECT_TRUE(bar->IsVisibleFlag());
    EXPECT_EQ(std::pair(bar->ScrollMin(), bar->ScrollMax()), std::pair(0, 6));
    // Never-ordered folders come after the ordered ones and before the hidden one, by name.
    EXPECT_EQ(Names(page).front(), "Storage");
    EXPECT_EQ(Names(page).at(2), "F01");
    EXPECT_EQ(FolderNames(page).back(), "Obsolete");

    // The folder in the last row moves down: the grid scrolls one line and the selection follows.
    Click(page, kFolderRows[13].name);
    EXPECT_EQ(page.SelectedFolder(), 13);
    Click(page, IDC_FOLDER_MOVE_DOWN);
    EXPECT_EQ(std::tuple(page.TopIndex(), page.SelectedRow(), page.SelectedFolder()), std::tuple(1, 13, 14));
    EXPECT_EQ(FolderNames(page).at(14), "F12");
    EXPECT_EQ(Names(page).at(13), "F12");
    EXPECT_TRUE(page.Item(kFolderRows[13].name)->GetFont().IsBold());
    // As the command line reads it: the selected folder marked, the bar where it stands.
    const std::vector<std::string> read = page.Describe();
    EXPECT_EQ(read.at(15), "  <F12> (selected)  Description:   [x] Visible  [x] Tank Icon");
    EXPECT_EQ(read.at(16), "  Scroll bar: 1 (0-6)");

    // The bottom shows folders 7 to 20.
    bar->UserScroll(SB_BOTTOM);
    EXPECT_EQ(page.TopIndex(), 6);
    EXPECT_EQ(Names(page).front(), FolderNames(page).at(6));
    EXPECT_EQ(Names(page).back(), "Obsolete");

    // Scrolled away from the selection: Move Up first brings it into view and moves nothing.
    bar->UserScroll(SB_TOP);
    bar->UserScroll(SB_LINEDOWN);
    bar->UserScroll(SB_THUMBPOSITION, 6);
    EXPECT_EQ(page.SelectedRow(), 8);
    bar->UserScroll(SB_TOP);
    EXPECT_EQ(page.SelectedRow(), -1);
    EXPECT_FALSE(page.Item(kFolderRows[0].name)->GetFont().IsBold());
    Click(page, IDC_FOLDER_MOVE_UP);
    EXPECT_EQ(page.TopIndex(), 1);
    EXPECT_EQ(page.SelectedRow(), 13);
    EXPECT_EQ(FolderNames(page).at(14), "F12");

    bar->UserScroll(SB_TOP);
    Click(page, kFolderRows[0].visible);  // Storage hidden
    EXPECT_TRUE(sheet.PressButton(IDOK));
  });
  // Shown folders are numbered in display order; hidden ones get -1 wherever they are.
  EXPECT_EQ(Orders({"Storage", "FlowControl", "F01", "F13", "F12", "Obsolete"}),
            (std::vector<int>{-1, 1, 2, 13, 14, -1}));
  // Never-stored tank settings showed ticked and are stored as 1.
  EXPECT_EQ(Tank(UserFolder("F05")), 1);
  EXPECT_EQ(Tank(UserFolder("FlowControl")), -1);
  EXPECT_TRUE(app.Document().IsModified());
}

TEST_F(FolderPropertiesTest, DuplicateDescriptionsKeepTheSheetOpen) {
  ASSERT_TRUE(Open(DefaultSamplePath("")));
  AddFoldersWithModels(1);  // rows: Storage, FlowControl, F01, Obsolete
  ChooseProperties([&](CPropertySheet& sheet, CFolderProperties& page) {
    // Two pairs: the one whose first folder comes first is reported.
    page.Item(kFolderRows[2].description)->UserType("Valves, pumps and their control");
    page.Item(kFolderRows[3].description)->UserType("  tanks AND vessels ");
    ui.AnswerOk();  // the duplicate message
    EXPECT_TRUE(sheet.PressButton(IDOK));
    EXPECT_FALSE(sheet.IsEnded()) << "the sheet stays open";
    page.Item(kFolderRows[2].description)->UserType("");
    page.Item(kFolderRows[3].description)->UserType("  Old models ");
    EXPECT_TRUE(sheet.PressButton(IDOK));
    EXPECT_TRUE(sheet.IsEnded());
  });
  ASSERT_GE(ui.Prompts().size(), 2u);
  const UiPrompt& message = ui.Prompts()[1];
  EXPECT_EQ(message.caption, "Folder Properties");
  EXPECT_EQ(message.text,
            "Folders  \"Storage\"  and  \"Obsolete\"  have duplicate description  \"Tanks and vessels\"  !  ");
  EXPECT_EQ(Description(UserFolder("Obsolete")), "Old models") << "saved without the blanks around it";
  EXPECT_EQ(Description(UserFolder("Storage")), "Tanks and vessels");
  EXPECT_FALSE(Description(UserFolder("F01")).has_value());
}

TEST_F(FolderPropertiesTest, SavedSettingsAreReadBackFromTheReopenedSimulation) {
  ASSERT_TRUE(Open(DefaultSamplePath("")));
  ChooseProperties([&](CPropertySheet& sheet, CFolderProperties& page) {
    Click(page, kFolderRows[0].name);
    Click(page, IDC_FOLDER_MOVE_DOWN);
    Click(page, kFolderRows[0].tankIcon);  // FlowControl gets its tank icon back
    Click(page, kFolderRows[2].visible);   // Obsolete shown
    page.Item(kFolderRows[1].description)->UserType("");
    EXPECT_TRUE(sheet.PressButton(IDOK));
  });
  const std::string path = config.Path() + "/Plant.vsim";
  FileProblem problem;
  ASSERT_TRUE(app.Document().SaveAs(path, problem)) << problem.Describe();
  for (CExplorerFrame* frame : std::vector<CExplorerFrame*>(CExplorerFrame::m_ActiveExplorers)) frame->DestroyWindow();
  ASSERT_TRUE(Open(path));
  EXPECT_EQ(Orders({"FlowControl", "Storage", "Obsolete"}), (std::vector<int>{1, 2, 3}));
  EXPECT_FALSE(Description(UserFolder("Storage")).has_value());
  ChooseProperties([&](CPropertySheet& sheet, CFolderProperties& page) {
    EXPECT_EQ(Names(page), (Strings{"FlowControl", "Storage", "Obsolete"}));
    EXPECT_EQ(Column(page, &FolderRowIds::visible), (Strings{"x", "x", "x"}));
    EXPECT_EQ(Column(page, &FolderRowIds::tankIcon), (Strings{"x", "x", "-"}));
    EXPECT_EQ(Column(page, &FolderRowIds::description), (Strings{"Valves, pumps and their control", "", ""}));
    sheet.PressButton(IDCANCEL);
  });
}

TEST_F(FolderPropertiesTest, AFolderRemovedMeanwhileLeavesEveryFolderAsItWas) {
  ASSERT_TRUE(Open(DefaultSamplePath("")));
  AddFoldersWithModels(1);
  ChooseProperties([&](CPropertySheet& sheet, CFolderProperties& page) {
    ASSERT_EQ(FolderNames(page), (Strings{"Storage", "FlowControl", "F01", "Obsolete"}));
    // Another window removes F01 while the sheet is open.
    CStoreFolder& f01 = UserFolder("F01");
    ASSERT_EQ(Simulation().Delete("MF01"), S_OK);
    ASSERT_EQ(f01.RemoveFolder("BlockTypeFolder"), S_OK);
    ASSERT_EQ(f01.RemoveFolder("StructureTypeFolder"), S_OK);
    ASSERT_EQ(Simulation().KindFolder(StoreKind::Model)->RemoveFolder("F01"), S_OK);
    Click(page, kFolderRows[0].name);
    Click(page, IDC_FOLDER_MOVE_DOWN);
    ui.AnswerOk();  // the refusal
    EXPECT_TRUE(sheet.PressButton(IDOK));
    EXPECT_FALSE(sheet.IsEnded());
    sheet.PressButton(IDCANCEL);
  });
  EXPECT_EQ(ui.Prompts().back().text,
            "The folder settings could not be saved; the folders keep their earlier settings.");
  EXPECT_EQ(Orders({"Storage", "FlowControl"}), (std::vector<int>{1, 2}))
      << "what was written before the refusal is put back";
}

}  // namespace
