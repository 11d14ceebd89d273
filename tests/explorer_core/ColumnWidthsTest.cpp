// Where the contents pane keeps its column widths: per node class in the
// registry, and a stored value of the wrong type read as the default.
#include "explorer/core/ExplorerObject.h"
#include "explorer/resources/StringIds.h"
#include "platform/ListCtrl.h"
#include "platform/Registry.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"

namespace {

using namespace explorer_test;

class ColumnWidthsTest : public ExplorerCoreTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(owner.Create("owner", "", WS_VISIBLE, CRect(0, 0, 600, 400), nullptr, 0));
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), &owner, 1));
  }

  CWnd owner;
  CListCtrl list;
};

const UINT kTitles[] = {IDS_NAME, IDS_TYPE, IDS_STATUS};

// Widths kept per class across fills are the contents pane's test; here where
// they are kept, and a stored value of the wrong type.
TEST_F(ColumnWidthsTest, AreKeptUnderTheNodeClassesKey) {
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

}  // namespace
