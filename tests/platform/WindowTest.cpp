#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

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

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    received.push_back(message);
    if (log && (message == WM_DESTROY || message == WM_NCDESTROY))
      log->push_back(name + (message == WM_DESTROY ? ":destroy" : ":ncdestroy"));
    return CWnd::WindowProc(message, wParam, lParam);
  }
  int Count(UINT message) const { return static_cast<int>(std::count(received.begin(), received.end(), message)); }
};

class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override { MessageQueue::Clear(); }
};

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

// A command target that answers for id 100, enabled or not.
class CommandWnd : public CWnd {
 public:
  std::vector<UINT> performed;
  bool enabled = true;
  bool OnCmdMsg(UINT id, int code, CCmdUI* ui) override {
    if (id != 100) return false;
    if (code == CN_UPDATE_COMMAND_UI) ui->Enable(enabled);
    else performed.push_back(id);
    return true;
  }
};

// Keys refused with a beep are the command line's key tests' case.
TEST_F(WindowTest, AMenuChoiceIsAskedAgainWhenItArrivesButAControlsNotificationIsNot) {
  ScriptedUserInterface ui;
  ScopedUserInterface installed(ui);
  CommandWnd frame;
  ASSERT_TRUE(frame.Create("f", "", WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
  frame.enabled = false;  // the command went away after its menu was built
  frame.PostMessage(WM_COMMAND, MAKEWPARAM(100, 0), 0);
  MessageQueue::Pump();
  EXPECT_TRUE(frame.performed.empty());
  EXPECT_EQ(ui.Beeps(), 1);
  frame.SendMessage(WM_COMMAND, MAKEWPARAM(100, 0), reinterpret_cast<LPARAM>(frame.m_hWnd));
  EXPECT_EQ(frame.performed, std::vector<UINT>{100}) << "a notification names its control's window";
  EXPECT_EQ(ui.Beeps(), 1);
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

}  // namespace
