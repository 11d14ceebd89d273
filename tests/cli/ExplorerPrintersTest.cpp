#include "app/headless/ExplorerPrinters.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "explorer/resources/CommandIds.h"
#include "platform/ImageList.h"
#include "platform/Window.h"

namespace {

constexpr DWORD kTreeStyle = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS;

class ExplorerPrintersTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(owner.Create("owner", "", WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0)); }
  void TearDown() override { MessageQueue::Clear(); }
  CWnd owner;
};

template <typename Print>
std::string Printed(Print print) {
  std::ostringstream out;
  print(out);
  return out.str();
}

}  // namespace

TEST_F(ExplorerPrintersTest, TreeIndentsTwoSpacesPerLevelExpandsCollapsedItemsAndShowsOverlays) {
  CTreeCtrl tree;
  ASSERT_TRUE(tree.Create(kTreeStyle, CRect(0, 0, 200, 200), &owner, 1));
  HTREEITEM root = tree.InsertItem("Simulation");
  HTREEITEM libraries = tree.InsertItem("Libraries", root);
  tree.InsertItem("Modeler", libraries);
  HTREEITEM flowsheet = tree.InsertItem("Flowsheet", root);
  tree.SetItemState(flowsheet, INDEXTOOVERLAYMASK(1), TVIS_OVERLAYMASK);
  tree.InsertItem("T101", flowsheet);
  tree.InsertItem("Second\ttop", nullptr);
  ASSERT_FALSE(tree.GetItemState(libraries, TVIS_EXPANDED) & TVIS_EXPANDED);

  EXPECT_EQ(Printed([&](std::ostream& out) { PrintTree(tree, nullptr, out); }),
            "Simulation\n"
            "  Libraries\n"
            "    Modeler\n"
            "  Flowsheet  [overlay 1]\n"
            "    T101\n"
            "Second top\n");
  EXPECT_TRUE(tree.GetItemState(libraries, TVIS_EXPANDED) & TVIS_EXPANDED) << "expanded as a person would";
  // Below one item: that item at the left margin.
  EXPECT_EQ(Printed([&](std::ostream& out) { PrintTree(tree, flowsheet, out); }), "Flowsheet  [overlay 1]\n  T101\n");
}

TEST_F(ExplorerPrintersTest, TreeShowsChildrenAnOwnerInsertsOnlyWhenTheItemOpens) {
  struct LazyOwner : CWnd {
    CTreeCtrl* tree = nullptr;
    bool OnNotify(WPARAM, NMHDR* header, LRESULT* result) override {
      auto* info = reinterpret_cast<NMTREEVIEW*>(header);
      if (info->hdr.code == TVN_ITEMEXPANDING && !tree->GetChildItem(info->itemNew.hItem)) {
        tree->InsertItem("late child", info->itemNew.hItem);
      }
      *result = 0;
      return true;
    }
  } lazy;
  ASSERT_TRUE(lazy.Create("lazy", "", WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
  CTreeCtrl tree;
  lazy.tree = &tree;
  ASSERT_TRUE(tree.Create(kTreeStyle, CRect(0, 0, 200, 200), &lazy, 1));
  TVINSERTSTRUCT insert{};
  insert.hParent = TVI_ROOT;
  insert.item.mask = TVIF_TEXT | TVIF_CHILDREN;
  insert.item.cChildren = 1;
  std::string text = "waiting";
  insert.item.pszText = text.data();
  tree.InsertItem(&insert);
  EXPECT_EQ(Printed([&](std::ostream& out) { PrintTree(tree, nullptr, out); }), "waiting\n  late child\n");
}

TEST_F(ExplorerPrintersTest, ListPrintsHeadingsCellsAndAFinalOverlayCell) {
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &owner, 2));
  list.InsertColumn(0, "Name");
  list.InsertColumn(1, "Type");
  list.InsertItem(0, "Reactor");
  list.SetItemText(0, 1, "Model");
  list.InsertItem(1, "Tank");
  list.SetItemText(1, 1, "two\nlines");
  list.SetItemState(1, INDEXTOOVERLAYMASK(2), LVIS_OVERLAYMASK);
  EXPECT_EQ(Printed([&](std::ostream& out) { PrintList(list, out); }),
            "Name\tType\n"
            "Reactor\tModel\n"
            "Tank\ttwo lines\t[overlay 2]\n");
}

TEST_F(ExplorerPrintersTest, MenuKeepsTextsAsHeldWithSeparatorsAndIndentedPopups) {
  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING, ID_EXPLORER_DEFAULT_ACTION, "&Open");
  menu.AppendMenu(MF_SEPARATOR);
  auto popup = std::make_shared<CMenu>();
  popup->CreatePopupMenu();
  popup->AppendMenu(MF_STRING, ID_EXPLORER_RENAME, "&Model");
  popup->AppendMenu(MF_SEPARATOR);
  menu.AppendPopup("&New", popup);
  menu.AppendMenu(MF_STRING | MF_GRAYED, 54020, "P&roperties...\tAlt+Enter");
  EXPECT_EQ(Printed([&](std::ostream& out) { PrintMenu(menu, out); }),
            "&Open\n"
            "-\n"
            "&New\n"
            "  &Model\n"
            "  -\n"
            "P&roperties...\tAlt+Enter\n");
}
