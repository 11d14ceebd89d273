#include "app/headless/ExplorerPrinters.h"

#include <gtest/gtest.h>

#include <sstream>

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

