// An owner window that records every notification a list control sends it and
// answers from a table (or a handler), and a fixture with a list in it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ListCtrl.h"
#include "tests/support/TestUserInterface.h"

struct ListEvent {
  int code = 0;
  int item = -1;
  int subItem = 0;
  UINT oldState = 0;
  UINT newState = 0;
  LPARAM lParam = 0;
  CPoint point;
  std::string text;
  bool textNull = false;
  WORD key = 0;
};

class ListOwner : public CWnd {
 public:
  std::vector<ListEvent> events;
  std::map<int, LRESULT> answers;                 // by notification code
  std::function<LRESULT(NMHDR*)> handler;         // when set, answers instead of the table

  int Count(int code) const {
    return static_cast<int>(std::count_if(events.begin(), events.end(), [&](const ListEvent& e) { return e.code == code; }));
  }
  std::vector<ListEvent> Of(int code) const {
    std::vector<ListEvent> found;
    for (const ListEvent& e : events)
      if (e.code == code) found.push_back(e);
    return found;
  }
  // Index of the first event with code, -1 when none.
  int IndexOf(int code) const {
    for (std::size_t i = 0; i < events.size(); ++i)
      if (events[i].code == code) return static_cast<int>(i);
    return -1;
  }

 protected:
  bool OnNotify(WPARAM, NMHDR* header, LRESULT* result) override {
    events.push_back(Record(header));
    if (handler) {
      *result = handler(header);
    } else {
      auto it = answers.find(header->code);
      *result = it == answers.end() ? 0 : it->second;
    }
    return true;
  }

 private:
  static ListEvent Record(NMHDR* header) {
    ListEvent e;
    e.code = header->code;
    switch (header->code) {
      case NM_CLICK:
      case NM_DBLCLK:
      case NM_RCLICK: {
        auto* nm = reinterpret_cast<NMITEMACTIVATE*>(header);
        e.item = nm->iItem;
        e.subItem = nm->iSubItem;
        e.point = nm->ptAction;
        e.lParam = nm->lParam;
        break;
      }
      case LVN_BEGINLABELEDIT:
      case LVN_ENDLABELEDIT:
      case LVN_GETDISPINFO: {
        auto* nm = reinterpret_cast<NMLVDISPINFO*>(header);
        e.item = nm->item.iItem;
        e.lParam = nm->item.lParam;
        e.textNull = nm->item.pszText == nullptr;
        if (nm->item.pszText) e.text = nm->item.pszText;
        break;
      }
      case LVN_KEYDOWN:
        e.key = reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey;
        break;
      case NM_CUSTOMDRAW: {
        auto* nm = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
        e.item = static_cast<int>(nm->nmcd.dwItemSpec);
        e.subItem = nm->iSubItem;
        break;
      }
      case NM_RETURN:
        break;
      default: {
        auto* nm = reinterpret_cast<NMLISTVIEW*>(header);
        e.item = nm->iItem;
        e.subItem = nm->iSubItem;
        e.oldState = nm->uOldState;
        e.newState = nm->uNewState;
        e.lParam = nm->lParam;
        e.point = nm->ptAction;
        break;
      }
    }
    return e;
  }
};

// A 300 by 200 list in an owner window placed away from the screen origin,
// so client and screen coordinates differ.
class ListFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(owner.Create("owner", "", WS_VISIBLE, CRect(100, 50, 500, 350), nullptr, 0));
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(10, 10, 310, 210), &owner, 42));
  }
  void TearDown() override {
    Keyboard::SetModifiers(false, false, false);
    MessageQueue::Clear();
  }

  // rows rows of columns columns: "r<i>" in column 0, "r<i>c<j>" in column j; item data 1000 + i.
  void Fill(int rows, int columns = 3) {
    for (int c = list.GetColumnCount(); c < columns; ++c) list.InsertColumn(c, "Column " + std::to_string(c), LVCFMT_LEFT, 80);
    for (int i = 0; i < rows; ++i) {
      int row = list.InsertItem(LVIF_TEXT | LVIF_PARAM, list.GetItemCount(), "r" + std::to_string(i), 0, 0, 0, 1000 + i);
      for (int c = 1; c < columns; ++c) list.SetItemText(row, c, "r" + std::to_string(i) + "c" + std::to_string(c));
    }
    owner.events.clear();
  }

  // The row and cell under the cursor, found the way a handler finds them.
  LVHITTESTINFO HitAtCursor() const {
    LVHITTESTINFO hit;
    GetCursorPos(&hit.pt);
    list.ScreenToClient(&hit.pt);
    list.SubItemHitTest(&hit);
    return hit;
  }

  TestUserInterface ui;
  ListOwner owner;
  CListCtrl list;
};
