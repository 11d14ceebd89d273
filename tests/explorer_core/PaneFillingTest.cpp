// Filling the panes: rows and tree items for nodes with their overlays,
// column texts by aspect, and where column widths are kept per node class.
#include "explorer/core/ExplorerObject.h"
#include "explorer/resources/StringIds.h"
#include "platform/ListCtrl.h"
#include "platform/Registry.h"
#include "platform/TreeCtrl.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"

namespace {

using namespace explorer_test;

class PaneFillingTest : public ExplorerCoreTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(owner.Create("owner", "", WS_VISIBLE, CRect(0, 0, 600, 400), nullptr, 0));
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), &owner, 1));
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(400, 0, 600, 300), &owner, 2));
  }

  // A leaf row the list owns: ClearList deletes it.
  TestLeaf* NewLeaf(const std::string& name) {
    auto* leaf = new TestLeaf(nullptr, nullptr);
    leaf->texts[EOAspectName] = name;
    return leaf;
  }

  CWnd owner;
  CListCtrl list;
  CTreeCtrl tree;
};

const UINT kTitles[] = {IDS_NAME, IDS_TYPE, IDS_STATUS};

// Widths kept per class across fills are the contents pane's test; here where
// they are kept, and a stored value of the wrong type.
TEST_F(PaneFillingTest, ColumnWidthsAreKeptUnderTheNodeClassesKey) {
  TestFolder models(nullptr, nullptr, nullptr, kFolderClass);
  models.InsertColumns(list, 3, kTitles);
  ASSERT_EQ(list.GetColumnCount(), 3);
  EXPECT_EQ(list.GetColumnWidth(1), 60) << "nothing stored yet";
  list.SetColumnWidth(0, 180);
  models.ClearList(list);
  EXPECT_EQ(list.GetColumnCount(), 0);

  // They are in the registry under the class's key, one DWORD per column index.
  std::string key;
  ASSERT_TRUE(models.GetColumnWidthKey(key));
  EXPECT_EQ(key, "Software\\Velloran\\ZNSystem\\38.0\\Explorer\\Settings\\" + kFolderClass.ToString() +
                     "\\Column Widths");
  CRegKey reg;
  ASSERT_EQ(reg.Open(HKEY_CURRENT_USER, key), ERROR_SUCCESS);
  DWORD width = 0;
  ASSERT_EQ(reg.QueryDWORDValue("0", width), ERROR_SUCCESS);
  EXPECT_EQ(width, 180u);

  // A value of the wrong type reads as the default.
  CRegKey writable;
  ASSERT_EQ(writable.Create(HKEY_CURRENT_USER, key), ERROR_SUCCESS);
  writable.SetStringValue("1", "wide");
  models.ClearList(list);
  models.InsertColumns(list, 3, kTitles);
  EXPECT_EQ(list.GetColumnWidth(1), 60);
}

TEST_F(PaneFillingTest, RowsShowTheNodesNameAspectsAndOverlay) {
  TestFolder folder(nullptr, nullptr, nullptr);
  folder.InsertColumns(list, 3, kTitles);
  TestLeaf* plain = NewLeaf("Tank");
  plain->texts[EOAspectType] = "Model";
  plain->texts[EOAspectStatus] = "OK";
  TestLeaf* failing = NewLeaf("Pump");
  failing->SetStatus(EO_STATUS_NOT_OK);
  TestLeaf* marked = NewLeaf("Valve");
  marked->SetStatus(EO_STATUS_NOT_OK);
  marked->overlay = INDEXTOOVERLAYMASK(3);

  const EOAspect aspects[] = {EOAspectType, EOAspectStatus};
  EXPECT_EQ(CExplorerObject::AddListItem(list, plain, aspects, 2), 0);
  EXPECT_EQ(CExplorerObject::AddListItem(list, failing, aspects, 2), 1);
  EXPECT_EQ(CExplorerObject::AddListItem(list, marked, aspects, 2), 2);

  EXPECT_EQ(list.GetItemText(0, 0), "Tank");
  EXPECT_EQ(list.GetItemText(0, 1), "Model");
  EXPECT_EQ(list.GetItemText(0, 2), "OK");
  EXPECT_EQ(list.GetItemText(1, 1), "");  // no text for the aspect: the column stays empty
  EXPECT_EQ(list.GetItemData(1), reinterpret_cast<LPARAM>(failing));
  EXPECT_EQ(list.GetItemState(0, LVIS_OVERLAYMASK), 0u);
  EXPECT_EQ(list.GetItemState(1, LVIS_OVERLAYMASK), INDEXTOOVERLAYMASK(1));  // error mark for status 1
  EXPECT_EQ(list.GetItemState(2, LVIS_OVERLAYMASK), INDEXTOOVERLAYMASK(3));  // the node's own overlay wins
  LVITEM item;
  item.mask = LVIF_IMAGE;
  item.iItem = 0;
  list.GetItem(&item);
  EXPECT_EQ(item.iImage, I_IMAGECALLBACK);  // asked of the pane when drawn

  // Inserting at a position goes there; a failed insertion sets no texts.
  TestLeaf* first = NewLeaf("Aardvark");
  EXPECT_EQ(CExplorerObject::InsertListItem(list, 0, first), 0);
  EXPECT_EQ(list.GetItemText(1, 0), "Tank");
  EXPECT_LT(CExplorerObject::AddListItem(list, nullptr, aspects, 2), 0);
  folder.ClearList(list);
}

TEST_F(PaneFillingTest, TreeItemsCarryTheNodeAndFollowItsStatus) {
  TestFolder folder(nullptr, nullptr, nullptr);
  HTREEITEM root = folder.InsertTreeItem(tree, "Models", TVI_ROOT, TVI_LAST, 1);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(tree.GetItemText(root), "Models");
  EXPECT_EQ(tree.GetItemData(root), reinterpret_cast<LPARAM>(&folder));
  EXPECT_EQ(tree.GetItemState(root, TVIS_OVERLAYMASK), 0u);
  int image = 0, selected = 0;
  tree.GetItemImage(root, image, selected);
  EXPECT_EQ(image, I_IMAGECALLBACK);
  EXPECT_EQ(selected, I_IMAGECALLBACK);

  TestLeaf leaf(nullptr, nullptr);
  HTREEITEM child = leaf.InsertTreeItem(tree, "Tank", root, TVI_LAST, 0);
  EXPECT_EQ(tree.GetParentItem(child), root);
  EXPECT_EQ(tree.GetItemState(child, TVIS_OVERLAYMASK), INDEXTOOVERLAYMASK(1));

  leaf.SetTreeItemStatus(tree, child);  // status 2: the mark goes
  EXPECT_EQ(tree.GetItemState(child, TVIS_OVERLAYMASK), 0u);
  leaf.SetStatus(EO_STATUS_NOT_OK);
  leaf.SetTreeItemStatus(tree, child);
  EXPECT_EQ(tree.GetItemState(child, TVIS_OVERLAYMASK), INDEXTOOVERLAYMASK(1));
  tree.DeleteAllItems();
}

}  // namespace
