// A parent window that records the tree control's notifications and answers
// them through per-code handlers, and a fixture with a sized tree under it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/TreeCtrl.h"
#include "tests/support/TestUserInterface.h"

struct TreeEvent {
  int code = 0;
  UINT action = 0;
  HTREEITEM oldItem = nullptr;
  HTREEITEM newItem = nullptr;
  LPARAM data = 0;         // itemOld.lParam for deletions, item.lParam for display info
  bool hasText = false;    // label edits: whether item.pszText was given
  std::string text;
  CPoint ptDrag;
};

class TreeTestOwner : public CWnd {
 public:
  std::vector<TreeEvent> events;
  // Answers for a notification code; without one the answer is 0.
  std::map<int, std::function<LRESULT(NMHDR*)>> handlers;

  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const auto& e : events) codes.push_back(e.code);
    return codes;
  }
  int Count(int code) const {
    return static_cast<int>(std::count_if(events.begin(), events.end(), [&](const TreeEvent& e) { return e.code == code; }));
  }
  const TreeEvent* Last(int code) const {
    for (auto it = events.rbegin(); it != events.rend(); ++it) {
      if (it->code == code) return &*it;
    }
    return nullptr;
  }

 protected:
  bool OnNotify(WPARAM, NMHDR* header, LRESULT* result) override {
    events.push_back(Describe(header));
    auto it = handlers.find(header->code);
    *result = it == handlers.end() ? 0 : it->second(header);
    return true;
  }

 private:
  static TreeEvent Describe(NMHDR* header) {
    TreeEvent e;
    e.code = header->code;
    switch (header->code) {
      case TVN_SELCHANGING:
      case TVN_SELCHANGED:
      case TVN_ITEMEXPANDING:
      case TVN_ITEMEXPANDED:
      case TVN_BEGINDRAG:
      case TVN_BEGINRDRAG:
      case TVN_DELETEITEM: {
        auto* info = reinterpret_cast<NMTREEVIEW*>(header);
        e.action = info->action;
        e.oldItem = info->itemOld.hItem;
        e.newItem = info->itemNew.hItem;
        e.data = header->code == TVN_DELETEITEM ? info->itemOld.lParam : info->itemNew.lParam;
        e.ptDrag = info->ptDrag;
        break;
      }
      case TVN_GETDISPINFO:
      case TVN_BEGINLABELEDIT:
      case TVN_ENDLABELEDIT: {
        auto* info = reinterpret_cast<NMTVDISPINFO*>(header);
        e.newItem = info->item.hItem;
        e.data = info->item.lParam;
        e.hasText = info->item.pszText != nullptr;
        if (e.hasText) e.text = info->item.pszText;
        break;
      }
      case TVN_KEYDOWN:
        e.action = reinterpret_cast<NMTVKEYDOWN*>(header)->wVKey;
        break;
      default:
        break;
    }
    return e;
  }
};

class TreeFixture : public ::testing::Test {
 protected:
  static constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                  TVS_EDITLABELS | TVS_SHOWSELALWAYS;
  static constexpr UINT kTreeId = 77;

  void SetUp() override {
    ASSERT_TRUE(owner.Create("owner", "", WS_VISIBLE, CRect(100, 50, 500, 450), nullptr, 0));
    // 200 x 160: ten whole rows.
    ASSERT_TRUE(tree.Create(kStyle, CRect(10, 20, 210, 180), &owner, kTreeId));
  }
  void TearDown() override { MessageQueue::Clear(); }

  // Inserts an item with data under parent.
  HTREEITEM Add(const std::string& text, HTREEITEM parent = TVI_ROOT, LPARAM data = 0) {
    return tree.InsertItem(TVIF_TEXT | TVIF_PARAM, text, 0, 0, 0, 0, data, parent, TVI_LAST);
  }
  std::vector<std::string> ChildTexts(HTREEITEM parent) {
    std::vector<std::string> texts;
    for (HTREEITEM c = tree.GetChildItem(parent); c; c = tree.GetNextSiblingItem(c)) texts.push_back(tree.GetItemText(c));
    return texts;
  }
  std::vector<std::string> VisibleTexts() {
    std::vector<std::string> texts;
    for (HTREEITEM c = tree.GetRootItem(); c; c = tree.GetNextVisibleItem(c)) texts.push_back(tree.GetItemText(c));
    return texts;
  }

  TestUserInterface ui;
  TreeTestOwner owner;
  CTreeCtrl tree;
};
