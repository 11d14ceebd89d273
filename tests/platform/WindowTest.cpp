#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "explorer/resources/CommandIds.h"
#include "platform/Command.h"
#include "platform/Menu.h"
#include "platform/UserInterface.h"
#include "platform/Window.h"

namespace {

// Records every message it receives.
class RecordingWnd : public CWnd {
 public:
  std::vector<UINT> received;
  std::vector<std::string>* log = nullptr;
  std::string name;
  bool refuseCreate = false;
  bool consumeKeys = false;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    received.push_back(message);
    if (log && (message == WM_DESTROY || message == WM_NCDESTROY))
      log->push_back(name + (message == WM_DESTROY ? ":destroy" : ":ncdestroy"));
    return CWnd::WindowProc(message, wParam, lParam);
  }
  int OnCreate() override { return refuseCreate ? -1 : 0; }
  bool PreTranslateMessage(MSG* msg) override {
    if (log) log->push_back(name + ":pretranslate");
    return consumeKeys && msg->message == WM_KEYDOWN;
  }
  int Count(UINT message) const { return static_cast<int>(std::count(received.begin(), received.end(), message)); }
};

class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override { MessageQueue::Clear(); }
};

TEST_F(WindowTest, PostedMessagesArriveInOrderWhenPumped) {
  RecordingWnd w;
  ASSERT_TRUE(w.Create("test", "", WS_VISIBLE, CRect(0, 0, 10, 10), nullptr, 0));
  UINT a = RegisterWindowMessage("TEST_A"), b = RegisterWindowMessage("TEST_B");
  w.PostMessage(a);
  w.PostMessage(b);
  EXPECT_EQ(w.Count(a), 0) << "posting must not dispatch";
  EXPECT_EQ(MessageQueue::Pump(), 2u);
  auto ia = std::find(w.received.begin(), w.received.end(), a);
  auto ib = std::find(w.received.begin(), w.received.end(), b);
  ASSERT_NE(ia, w.received.end());
  ASSERT_NE(ib, w.received.end());
  EXPECT_LT(ia - w.received.begin(), ib - w.received.begin());
}

TEST_F(WindowTest, MessageToDestroyedWindowIsDroppedSafely) {
  auto* w = new RecordingWnd;
  ASSERT_TRUE(w->Create("test", "", 0, CRect(), nullptr, 0));
  HWND h = w->m_hWnd;
  UINT msg = RegisterWindowMessage("TEST_DEAD");
  ASSERT_TRUE(PostMessage(h, msg, 1, 2));
  w->DestroyWindow();
  delete w;  // the queued message now names a window whose object is freed
  EXPECT_EQ(MessageQueue::Pump(), 1u);  // taken off the queue, not dispatched
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(SendMessage(h, msg), 0);
  EXPECT_FALSE(PostMessage(h, msg)) << "posting to a dead window fails";
}

TEST_F(WindowTest, HandlesAreNeverReused) {
  std::vector<HWND> seen;
  for (int i = 0; i < 50; ++i) {
    CWnd w;
    ASSERT_TRUE(w.Create("test", "", 0, CRect(), nullptr, 0));
    seen.push_back(w.m_hWnd);
  }
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
  for (HWND h : seen) EXPECT_EQ(CWnd::FromHandle(h), nullptr);
}

TEST_F(WindowTest, DestroyingAParentDestroysChildrenAfterIt) {
  std::vector<std::string> log;
  RecordingWnd parent, child, grandchild;
  parent.log = child.log = grandchild.log = &log;
  parent.name = "parent";
  child.name = "child";
  grandchild.name = "grandchild";
  ASSERT_TRUE(parent.Create("p", "", WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
  ASSERT_TRUE(child.Create("c", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &parent, 7));
  ASSERT_TRUE(grandchild.Create("g", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), &child, 8));
  EXPECT_EQ(parent.GetDlgItem(7), &child);
  EXPECT_TRUE(parent.IsChild(&grandchild));
  parent.DestroyWindow();
  std::vector<std::string> expected = {"parent:destroy",   "child:destroy",  "grandchild:destroy",
                                       "grandchild:ncdestroy", "child:ncdestroy", "parent:ncdestroy"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(child.m_hWnd, nullptr);
  EXPECT_EQ(grandchild.m_hWnd, nullptr);
}

TEST_F(WindowTest, CoordinatesTranslateThroughParents) {
  CWnd top, mid, leaf;
  ASSERT_TRUE(top.Create("t", "", WS_VISIBLE, CRect(100, 50, 600, 450), nullptr, 0));
  ASSERT_TRUE(mid.Create("m", "", WS_CHILD | WS_VISIBLE, CRect(10, 20, 200, 200), &top, 1));
  ASSERT_TRUE(leaf.Create("l", "", WS_CHILD | WS_VISIBLE, CRect(5, 5, 50, 50), &mid, 2));
  CPoint p(1, 2);
  leaf.ClientToScreen(&p);
  EXPECT_EQ(p, CPoint(116, 77));
  leaf.ScreenToClient(&p);
  EXPECT_EQ(p, CPoint(1, 2));
  CRect client;
  leaf.GetClientRect(&client);
  EXPECT_EQ(client, CRect(0, 0, 45, 45));
}

TEST_F(WindowTest, FocusMovesAndDiesWithTheWindow) {
  auto a = std::make_unique<RecordingWnd>();
  RecordingWnd b;
  ASSERT_TRUE(a->Create("a", "", 0, CRect(), nullptr, 0));
  ASSERT_TRUE(b.Create("b", "", 0, CRect(), nullptr, 0));
  a->SetFocus();
  EXPECT_TRUE(a->HasFocus());
  b.SetFocus();
  EXPECT_EQ(a->Count(WM_KILLFOCUS), 1);
  EXPECT_EQ(b.Count(WM_SETFOCUS), 1);
  a->SetFocus();
  a->DestroyWindow();
  EXPECT_EQ(CWnd::GetFocus(), nullptr);
}

TEST_F(WindowTest, KeysPassPreTranslateUpTheChainBeforeDispatch) {
  std::vector<std::string> log;
  RecordingWnd frame, view;
  frame.log = view.log = &log;
  frame.name = "frame";
  view.name = "view";
  ASSERT_TRUE(frame.Create("f", "", WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
  ASSERT_TRUE(view.Create("v", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &frame, 1));
  DispatchKeyDown(view.m_hWnd, VK_DELETE);
  EXPECT_EQ(log, (std::vector<std::string>{"view:pretranslate", "frame:pretranslate"}));
  EXPECT_EQ(view.Count(WM_KEYDOWN), 1);

  view.consumeKeys = true;
  log.clear();
  DispatchKeyDown(view.m_hWnd, VK_DELETE);
  EXPECT_EQ(log, std::vector<std::string>{"view:pretranslate"});
  EXPECT_EQ(view.Count(WM_KEYDOWN), 1) << "a consumed key is not dispatched";
}

TEST_F(WindowTest, AcceleratorsOfTheNearestAncestorTurnKeysIntoCommands) {
  AcceleratorTable table;
  table.entries = {{FVIRTKEY | FCONTROL, 'C', ID_EXPLORER_COPY}, {FVIRTKEY, VK_DELETE, ID_EXPLORER_DELETE}};
  RecordingWnd frame, view;
  ASSERT_TRUE(frame.Create("f", "", WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
  ASSERT_TRUE(view.Create("v", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &frame, 1));
  frame.Record()->accelerators = &table;
  Keyboard::SetModifiers(false, true, false);
  DispatchKeyDown(view.m_hWnd, 'C');
  Keyboard::SetModifiers(false, false, false);
  EXPECT_EQ(frame.Count(WM_COMMAND), 1);
  EXPECT_EQ(view.Count(WM_KEYDOWN), 0);
  DispatchKeyDown(view.m_hWnd, 'C');  // no Ctrl: an ordinary key
  EXPECT_EQ(frame.Count(WM_COMMAND), 1);
  EXPECT_EQ(view.Count(WM_KEYDOWN), 1);
}

// A command target that enables one id and checks another.
class CommandWnd : public CWnd {
 public:
  std::vector<UINT> performed;
  bool OnCmdMsg(UINT id, int code, CCmdUI* ui) override {
    if (id != 100 && id != 101) return false;
    if (code == CN_UPDATE_COMMAND_UI) {
      ui->Enable(id == 100);
      if (id == 101) ui->SetCheck(1);
      return true;
    }
    performed.push_back(id);
    return true;
  }
};

TEST_F(WindowTest, CommandStateComesFromTheRoutingAndUnhandledIsDisabled) {
  CommandWnd w;
  ASSERT_TRUE(w.Create("c", "", 0, CRect(), nullptr, 0));
  EXPECT_TRUE(QueryCommandState(&w, 100).enabled);
  EXPECT_FALSE(QueryCommandState(&w, 101).enabled);
  EXPECT_EQ(QueryCommandState(&w, 101).check, 1);
  EXPECT_FALSE(QueryCommandState(&w, 999).enabled);
  EXPECT_TRUE(PerformCommand(&w, 100));
  EXPECT_EQ(w.performed, std::vector<UINT>{100});
  EXPECT_FALSE(PerformCommand(nullptr, 100));
}

TEST_F(WindowTest, AKeyOrMenuCommandRunsOnlyWhenEnabledAndARefusedOneBeeps) {
  ScriptedUserInterface ui;
  ScopedUserInterface installed(ui);
  AcceleratorTable table;
  table.entries = {{FVIRTKEY, VK_F5, 100}, {FVIRTKEY, VK_F6, 101}, {FVIRTKEY, VK_F7, 999}};
  CommandWnd frame;
  ASSERT_TRUE(frame.Create("f", "", WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
  frame.Record()->accelerators = &table;
  DispatchKeyDown(frame.m_hWnd, VK_F5);
  DispatchKeyDown(frame.m_hWnd, VK_F6);  // disabled
  DispatchKeyDown(frame.m_hWnd, VK_F7);  // nobody answers for it: disabled, as in a menu
  EXPECT_EQ(frame.performed, std::vector<UINT>{100});
  EXPECT_EQ(ui.Beeps(), 2);
  // A menu's choice arrives posted, after the menu was built: it is asked again.
  frame.PostMessage(WM_COMMAND, MAKEWPARAM(101, 0), 0);
  MessageQueue::Pump();
  EXPECT_EQ(frame.performed, std::vector<UINT>{100});
  EXPECT_EQ(ui.Beeps(), 3);
  // A control's notification names its window and is not a command to check.
  frame.SendMessage(WM_COMMAND, MAKEWPARAM(101, 0), reinterpret_cast<LPARAM>(frame.m_hWnd));
  EXPECT_EQ(frame.performed, (std::vector<UINT>{100, 101}));
  EXPECT_EQ(ui.Beeps(), 3);
}

TEST(AcceleratorText, KeyNamesReadBackAsTheyAreWritten) {
  AcceleratorTable table;
  table.entries = {{FVIRTKEY | FCONTROL, 'X', 1}, {FVIRTKEY, VK_DELETE, 2},       {FVIRTKEY, VK_F8, 3},
                   {FVIRTKEY | FCONTROL | FSHIFT, 'S', 4}, {FVIRTKEY | FALT, VK_RETURN, 5}, {FVIRTKEY | FCONTROL | FALT, VK_INSERT, 6},
                   {FVIRTKEY, VK_APPS, 7}, {FVIRTKEY | FSHIFT, VK_F1, 8}, {FVIRTKEY, VK_F12, 9}};
  for (const Accelerator& a : table.entries) {
    Accelerator read;
    ASSERT_TRUE(AcceleratorTable::ParseKeyText(AcceleratorTable::KeyText(a), read)) << AcceleratorTable::KeyText(a);
    EXPECT_EQ(read.key, a.key) << AcceleratorTable::KeyText(a);
    EXPECT_EQ(read.flags, a.flags) << AcceleratorTable::KeyText(a);
  }
  Accelerator key;
  ASSERT_TRUE(AcceleratorTable::ParseKeyText("ctrl+shift+s", key));
  EXPECT_EQ(key.key, static_cast<UINT>('S'));
  EXPECT_EQ(key.flags, FVIRTKEY | FCONTROL | FSHIFT);
  ASSERT_TRUE(AcceleratorTable::ParseKeyText("Delete", key));
  EXPECT_EQ(key.key, VK_DELETE);
  EXPECT_EQ(key.flags, FVIRTKEY);
  for (const char* bad : {"", "+", "Ctrl+", "Ctrl++", "Hyper+X", "F13", "F0", "XY", "Ctrl+F123"})
    EXPECT_FALSE(AcceleratorTable::ParseKeyText(bad, key)) << bad;
}

TEST_F(WindowTest, ForeignWindowsReportTheirOwnProcess) {
  HWND foreign = CreateForeignWindow(424242);
  DWORD pid = 0;
  EXPECT_EQ(GetWindowThreadProcessId(foreign, &pid), 1u);
  EXPECT_EQ(pid, 424242u);
  EXPECT_EQ(CWnd::FromHandle(foreign), nullptr) << "a foreign window has no receiver here";
  EXPECT_EQ(SendMessage(foreign, WM_USER), 0);
}

}  // namespace
