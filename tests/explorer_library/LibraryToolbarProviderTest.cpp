// The Model Libraries toolbar's provider on the sample and on builder-made
// simulations: which libraries and tabs it finds, the tabs in the order the
// folders were given, the models with their pictures, a model added in
// another Explorer, and the provider's hidden Explorer made again.
#include <gtest/gtest.h>

#include "explorer/core/ExplorerObject.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/LibraryToolbarLink.h"
#include "explorer/libtoolbar/InvLibTBExplorer.h"
#include "explorer/window/ExplorerDocTemplate.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerTreeView.h"
#include "host/framework/CRBaseApp.h"
#include "tests/explorer_core/SampleSessionTest.h"
#include "workbench/document/DocumentFiles.h"
#include "workbench/store/Builder.h"
#include "workbench/store/Store.h"
#include "workbench/store/StoreFolder.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

using Strings = std::vector<std::string>;

class LibraryToolbarProviderTest : public explorer_test::SampleSessionTest {
 protected:
  ~LibraryToolbarProviderTest() override { CInvLibTBExplorer::DestroyInvInstance(); }
  CStoreBuilder Build() { return CStoreBuilder(app.Document().Store()); }

  static CInvLibTBExplorer& Provider() { return *CInvLibTBExplorer::GetInvInstance(); }
  static Strings Libraries() {
    Strings names;
    for (int lib = 0; lib < Provider().GetAllLibCount(); ++lib) names.push_back(Provider().GetLibName(lib));
    return names;
  }
  static int LibraryNamed(const std::string& name) {
    for (int lib = 0; lib < Provider().GetAllLibCount(); ++lib)
      if (Provider().GetLibName(lib) == name) return lib;
    return -1;
  }
  static Strings Tabs(const std::string& library) {
    Strings names;
    Provider().GetLibTabList(LibraryNamed(library), names);
    return names;
  }
  static Strings ToolbarTabs(const std::string& library) {
    Strings names;
    std::vector<HTREEITEM> items;
    std::vector<int> places;
    Provider().GetLibTabNamehItemList(LibraryNamed(library), names, items, places);
    return names;
  }
  // The models of the tab whose tree text is tab, with their pictures.
  static Strings Models(const std::string& library, const std::string& tab,
                        std::vector<CInvLibTBModelIcons>* icons = nullptr) {
    const Strings tabs = Tabs(library);
    const int index = static_cast<int>(std::find(tabs.begin(), tabs.end(), tab) - tabs.begin());
    Strings names;
    std::vector<HTREEITEM> items;
    std::vector<CInvLibTBModelIcons> pictures;
    Provider().GetLibTabModelList(LibraryNamed(library), index, names, items, pictures, CSize(34, 33), RGB(255, 255, 255));
    if (icons) *icons = std::move(pictures);
    return names;
  }
};

TEST_F(LibraryToolbarProviderTest, SampleLibrariesAndTheirTabsInFolderOrder) {
  ASSERT_TRUE(Open());
  EXPECT_EQ(CInvLibTBExplorer::m_iCount, 0);
  ASSERT_TRUE(Provider().GetParseTree());
  EXPECT_EQ(CInvLibTBExplorer::m_iCount, 1);
  EXPECT_EQ(CLibraryToolbarLink::ProviderCount(), 1) << "Explorer windows now tell the toolbar of changes";
  ASSERT_TRUE(Provider().GetInvExplorer());
  EXPECT_FALSE(Provider().GetInvExplorer()->IsWindowVisible()) << "the provider's Explorer is never shown";

  EXPECT_EQ(Libraries(), (Strings{"Custom Modeling", "ProcessUnits", "Modeler", "SystemLibrary"}));
  EXPECT_EQ(Provider().GetLibNum(), 3);
  // Kind folders never are tabs; nor is the library ProcessUnits uses.
  EXPECT_EQ(Tabs("Custom Modeling"), (Strings{"FlowControl", "Models", "Obsolete", "Storage"}));
  EXPECT_EQ(Tabs("ProcessUnits"), (Strings{"Models", "Valves", "Vessels"}));
  // Ordered folders by their order under their descriptions, then the unordered (Custom Modeling's
  // order is the command-line toolbar test's).
  EXPECT_EQ(ToolbarTabs("ProcessUnits"), (Strings{"Tanks and drums", "Control and hand valves", "Models"}));

  EXPECT_FALSE(Provider().GetParseTree()) << "nothing changed since the last parse";
  EXPECT_FALSE(Provider().IsTreeLibsStateChanged());

  CInvLibTBExplorer::DestroyInvInstance();
  EXPECT_EQ(CInvLibTBExplorer::m_iCount, 0);
  EXPECT_EQ(CLibraryToolbarLink::ProviderCount(), 0);
}

// The stream types with their line styles are the command-line toolbar test's.
TEST_F(LibraryToolbarProviderTest, ModelsCarryTheirPictures) {
  ASSERT_TRUE(Open());
  ASSERT_TRUE(Provider().GetParseTree());
  std::vector<CInvLibTBModelIcons> icons;
  EXPECT_EQ(Models("Custom Modeling", "Storage", &icons), (Strings{"BufferTank", "ProductTank"}));
  ASSERT_EQ(icons.size(), 2u);
  EXPECT_EQ(icons[0].bitmaps.size(), 2u) << "Horizontal and System, as the contents pane lists them";
  EXPECT_EQ(icons[0].defaultIcon, 1) << "System carries the default mark";
  EXPECT_FALSE(icons[0].bitmaps[0].Ops().empty()) << "the icon is drawn";

  // FlowControl's models have no tank icon: a model with other icons leaves System out.
  CStoreBuilder build = Build();
  build.Icon(*Simulation().Find("ControlValve"), "Angle");
  std::vector<CInvLibTBModelIcons> valves;
  const Strings flow = Models("Custom Modeling", "FlowControl", &valves);
  ASSERT_EQ(flow.front(), "ControlValve");
  EXPECT_EQ(valves.front().bitmaps.size(), 1u) << "only Angle is drawn";
  EXPECT_EQ(valves.front().defaultIcon, 0) << "System's default mark passes to the first picture drawn";
}

TEST_F(LibraryToolbarProviderTest, OnlyTheSystemLibraryCountsNoneAndFoldersWithoutModelsAreNoTabs) {
  CStoreBuilder build = Build();
  build.SystemLibrary();
  // A folder named like a kind folder, a folder with only a structure type, and a folder with a model.
  build.MoveTo(build.Model(build.Simulation(), "Mixer"), build.Folder(build.Simulation(), "BlockTypeFolder/Procedures"));
  build.MoveTo(build.Type(build.Simulation(), StoreKind::Structure, "Props"),
               build.Folder(build.Simulation(), "BlockTypeFolder/Shapes"));
  build.MoveTo(build.Model(build.Simulation(), "Heater"), build.Folder(build.Simulation(), "BlockTypeFolder/Heat"));
  ASSERT_TRUE(Provider().GetParseTree());
  EXPECT_EQ(Provider().GetLibNum(), 0);
  EXPECT_EQ(Tabs("Custom Modeling"), (Strings{"Heat", "Models"}));
}

// A rename reaching the toolbar is the command-line toolbar test's.
TEST_F(LibraryToolbarProviderTest, AModelAddedInAnotherExplorerChangesTheToolbarsTree) {
  ASSERT_TRUE(Open());
  ASSERT_TRUE(Provider().GetParseTree());
  CExplorerFrame* explorer = CExplorerFrame::Open(nullptr);
  ASSERT_TRUE(explorer);

  // A model added to a folder the toolbar shows changes the tree's shape: the next parse says so.
  CStoreBuilder build = Build();
  build.MoveTo(build.Model(Simulation(), "DrainTank"), *Simulation().KindFolder(StoreKind::Model)->SubFolder("Storage"));
  explorer->SendMessage(EXPLORER_CONTENTS_CHANGED, 0, 0);
  MessageQueue::Pump();
  EXPECT_TRUE(Provider().GetParseTree());
  EXPECT_EQ(Models("Custom Modeling", "Storage").size(), 3u);
}

TEST_F(LibraryToolbarProviderTest, AModelDraggedFromTheToolbarIsCopiedWhereItIsDropped) {
  ASSERT_TRUE(Open());
  ASSERT_TRUE(Provider().GetParseTree());
  CExplorerFrame* explorer = CExplorerFrame::Open(nullptr);
  ASSERT_TRUE(explorer);
  CExplorerTreeView* tree = explorer->GetTreeView();
  HTREEITEM storage = tree->FindItemByLabels({"Simulation", "Custom Modeling", "Storage"});
  ASSERT_TRUE(storage);
  tree->EnsureVisible(storage);
  CRect rect;
  ASSERT_TRUE(tree->GetItemRect(storage, &rect, TRUE));

  Strings names;
  std::vector<HTREEITEM> items;
  std::vector<CInvLibTBModelIcons> icons;
  const Strings tabs = Tabs("ProcessUnits");
  const int valves = static_cast<int>(std::find(tabs.begin(), tabs.end(), "Valves") - tabs.begin());
  Provider().GetLibTabModelList(LibraryNamed("ProcessUnits"), valves, names, items, icons, CSize(32, 32), 0);
  ASSERT_EQ(names, (Strings{"Valve"}));
  ui.AnswerDrag(DragAnswer{tree->m_hWnd, CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2), MK_LBUTTON});
  Provider().OnBeginDragTreeItem(items.front(), true);
  MessageQueue::Pump();
  CStoreFolder* held = Simulation().KindFolder(StoreKind::Model)->SubFolder("Storage")->SubFolder("BlockTypeFolder");
  ASSERT_TRUE(held);
  EXPECT_TRUE(held->FindHolder("Valve")) << "the library's model is copied into the folder it was dropped on";
  EXPECT_TRUE(app.Document().Store().FindLibrary("ProcessUnits")->OwnedPalette()->Find("Valve")) << "and stays in its library";
}

TEST_F(LibraryToolbarProviderTest, AHiddenExplorerThatWentIsMadeAgain) {
  ASSERT_TRUE(Open());
  ASSERT_TRUE(Provider().GetParseTree());
  CInvLibTBExplorer* provider = &Provider();
  provider->GetInvExplorer()->DestroyWindow();
  EXPECT_EQ(provider->GetInvExplorer(), nullptr);
  EXPECT_GT(provider->GetTreeCount(), 0) << "a new hidden Explorer fills its tree";
  EXPECT_EQ(&Provider(), provider) << "the provider itself stays";
  EXPECT_TRUE(provider->GetParseTree()) << "the new tree is read afresh";
  EXPECT_EQ(Tabs("Custom Modeling"), (Strings{"FlowControl", "Models", "Obsolete", "Storage"}));
}

}  // namespace
