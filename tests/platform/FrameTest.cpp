#include <gtest/gtest.h>

#include "explorer/resources/CommandIds.h"
#include "platform/Command.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/Frame.h"
#include "platform/Splitter.h"

namespace {

class PaneWnd : public CWnd, public CView {
 public:
  CWnd* ViewWindow() override { return this; }
  std::vector<LPARAM> hints;
  void OnUpdate(CView*, LPARAM hint, void*) override { hints.push_back(hint); }
  bool OnCmdMsg(UINT id, int code, CCmdUI* ui) override {
    if (id != ID_EDIT_PASTE) return false;
    if (code == CN_UPDATE_COMMAND_UI) ui->Enable(true);
    else ++pastes;
    return true;
  }
  int pastes = 0;
};

std::unique_ptr<CWnd> MakePane(CWnd* parent, UINT id, const CRect& rect) {
  auto pane = std::make_unique<PaneWnd>();
  if (!pane->Create("pane", "", WS_CHILD | WS_VISIBLE, rect, parent, id)) return nullptr;
  return pane;
}

class TestFrame : public CMDIChildWnd {
 public:
  static int alive;
  CSplitterWnd splitter;
  TestFrame() { ++alive; }
  ~TestFrame() override { --alive; }
  bool OnCreateClient(CREATESTRUCT*, CCreateContext*) override {
    if (!splitter.CreateStatic(this, 1, 2)) return false;
    return splitter.CreatePane(0, 0, MakePane, CSize(100, 100)) && splitter.CreatePane(0, 1, MakePane, CSize(0, 100));
  }
  int closes = 0;

 protected:
  bool OnFrameCommand(UINT id, int code, CCmdUI* ui) override {
    if (id != ID_EXPLORER_CLOSE) return false;
    if (code == CN_UPDATE_COMMAND_UI) ui->Enable(true);
    else ++closes;
    return true;
  }
};
int TestFrame::alive = 0;

TEST(Frame, CommandsGoToTheActiveViewThenTheFrameAndDestroyDeletes) {
  CMDIFrameWnd main;
  main.SetAutoDelete(false);
  ASSERT_TRUE(main.LoadFrame(0, WS_VISIBLE, nullptr, nullptr));
  main.MoveWindow(CRect(0, 0, 800, 600));
  CDocTemplate templ(0, [] { return std::make_unique<CDocument>(); }, [] { return new TestFrame; });
  auto doc = templ.CreateNewDocument();
  auto* frame = static_cast<TestFrame*>(templ.CreateNewFrame(doc.get(), main.MDIClient()));
  ASSERT_NE(frame, nullptr);
  frame->MDIActivate();
  EXPECT_EQ(main.MDIGetActive(), frame);

  auto* left = static_cast<PaneWnd*>(frame->splitter.GetPane(0, 0));
  frame->splitter.SetActivePane(0, 0);
  EXPECT_TRUE(QueryCommandState(&main, ID_EDIT_PASTE).enabled) << "main frame -> child frame -> active view";
  PerformCommand(&main, ID_EDIT_PASTE);
  EXPECT_EQ(left->pastes, 1);
  PerformCommand(&main, ID_EXPLORER_CLOSE);
  EXPECT_EQ(frame->closes, 1);
  EXPECT_FALSE(QueryCommandState(&main, 12345).enabled);

  frame->DestroyWindow();
  EXPECT_EQ(TestFrame::alive, 0);
  EXPECT_EQ(main.MDIGetActive(), nullptr);
}

TEST(Splitter, ActivePaneReportsItsSlotAndDiesSafely) {
  CWnd host;
  ASSERT_TRUE(host.Create("h", "", WS_VISIBLE, CRect(0, 0, 500, 300), nullptr, 0));
  CSplitterWnd s;
  ASSERT_TRUE(s.CreateStatic(&host, 2, 1));
  ASSERT_TRUE(s.CreatePane(0, 0, MakePane, CSize(0, 15)));
  ASSERT_TRUE(s.CreatePane(1, 0, MakePane, CSize(0, 200)));
  s.SetActivePane(1, 0);
  int row = -1, col = -1;
  EXPECT_EQ(s.GetActivePane(&row, &col), s.GetPane(1, 0));
  EXPECT_EQ(row, 1);
  EXPECT_EQ(col, 0);
  EXPECT_TRUE(s.GetPane(1, 0)->HasFocus());
  s.GetPane(1, 0)->DestroyWindow();
  EXPECT_EQ(s.GetActivePane(), nullptr);
}

TEST(Document, UpdatesSkipTheSenderAndViewsRemovedMeanwhile) {
  CDocument doc;
  PaneWnd a, b, c;
  doc.AddView(&a);
  doc.AddView(&b);
  doc.AddView(&c);
  struct Remover : public PaneWnd {
    CDocument* doc = nullptr;
    CView* victim = nullptr;
    void OnUpdate(CView*, LPARAM hint, void*) override {
      hints.push_back(hint);
      doc->RemoveView(victim);
    }
  } remover;
  remover.doc = &doc;
  remover.victim = &c;
  doc.RemoveView(&b);
  doc.AddView(&remover);
  doc.RemoveView(&c);
  doc.AddView(&c);  // c is now after remover
  doc.UpdateAllViews(&a, 803);
  EXPECT_TRUE(a.hints.empty()) << "the sender is not told";
  EXPECT_EQ(remover.hints, std::vector<LPARAM>{803});
  EXPECT_TRUE(c.hints.empty()) << "removed during the walk";
  EXPECT_EQ(c.GetDocument(), nullptr);
}

}  // namespace

namespace {

TEST(Frame, ChildFramesDeleteThemselvesWhenTheMainWindowGoesFirst) {
  auto* main = new CMDIFrameWnd;  // auto-deleting, like the program's main window
  ASSERT_TRUE(main->LoadFrame(0, WS_VISIBLE, nullptr, nullptr));
  CDocTemplate templ(0, [] { return std::make_unique<CDocument>(); }, [] { return new TestFrame; });
  auto doc = templ.CreateNewDocument();
  ASSERT_NE(templ.CreateNewFrame(doc.get(), main->MDIClient()), nullptr);
  ASSERT_NE(templ.CreateNewFrame(doc.get(), main->MDIClient()), nullptr);
  EXPECT_EQ(TestFrame::alive, 2);
  main->DestroyWindow();  // deletes main too
  EXPECT_EQ(TestFrame::alive, 0);
}

}  // namespace

namespace {

// Frames of the Window menu's tests: nothing inside them.
class PlainChildFrame : public CMDIChildWnd {
 protected:
  bool OnCreateClient(CREATESTRUCT*, CCreateContext*) override { return true; }
};

class WindowMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main.SetAutoDelete(false);
    ASSERT_TRUE(main.LoadFrame(0, WS_VISIBLE, nullptr, nullptr));
    main.MoveWindow(CRect(0, 0, 900, 600));
  }
  CMDIChildWnd* Open(const CRect& rect, bool visible = true) {
    auto* frame = new PlainChildFrame;
    EXPECT_TRUE(frame->LoadFrame(0, WS_CHILD | (visible ? WS_VISIBLE : 0), main.MDIClient(), nullptr));
    frame->MoveWindow(rect);
    return frame;
  }
  static CRect Rect(CWnd* w) { return w->Record()->rect; }
  CMDIFrameWnd main;
};

}  // namespace

TEST_F(WindowMenuTest, CascadeAndTileArrangeTheVisibleFramesAndNeedOne) {
  EXPECT_FALSE(QueryCommandState(&main, ID_WINDOW_CASCADE).enabled) << "nothing to arrange";
  CMDIChildWnd* hidden = Open(CRect(5, 5, 50, 50), false);  // a hidden Explorer keeps its place
  EXPECT_FALSE(QueryCommandState(&main, ID_WINDOW_TILE_HORZ).enabled);
  CMDIChildWnd* a = Open(CRect(0, 0, 175, 535));
  CMDIChildWnd* b = Open(CRect(10, 10, 185, 545));
  CMDIChildWnd* c = Open(CRect(20, 20, 195, 555));
  a->MDIActivate();
  for (UINT id : {ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_TILE_VERT})
    EXPECT_TRUE(QueryCommandState(&main, id).enabled) << id;

  PerformCommand(&main, ID_WINDOW_TILE_HORZ);  // one above the other, full width
  EXPECT_EQ(Rect(a), CRect(0, 0, 900, 200));
  EXPECT_EQ(Rect(b), CRect(0, 200, 900, 400));
  EXPECT_EQ(Rect(c), CRect(0, 400, 900, 600));
  EXPECT_EQ(Rect(hidden), CRect(5, 5, 50, 50));

  // Cascade: each a step further, the active one in front (last).
  PerformCommand(&main, ID_WINDOW_CASCADE);
  EXPECT_EQ(Rect(b).TopLeft(), CPoint(0, 0));
  EXPECT_GT(Rect(a).left, Rect(c).left);
  EXPECT_EQ(Rect(a).bottom, 600) << "the lowest frame ends at the bottom of the area";

  // Five frames tile as a grid that fills the area.
  Open(CRect(0, 0, 10, 10));
  Open(CRect(0, 0, 10, 10));
  PerformCommand(&main, ID_WINDOW_TILE_HORZ);
  long area = 0;
  for (CMDIChildWnd* frame : main.ArrangeableFrames()) {
    area += static_cast<long>(Rect(frame).Width()) * Rect(frame).Height();
    EXPECT_GE(Rect(frame).Width(), 300) << "no sliver";
  }
  EXPECT_EQ(area, 900L * 600L);
  for (CMDIChildWnd* frame : main.ChildFrames()) frame->DestroyWindow();
}

TEST_F(WindowMenuTest, AHiddenFrameIsNeverTheActiveOneEvenWhenItWasOpenedLast) {
  CMDIChildWnd* shown = Open(CRect(0, 0, 100, 100));
  CMDIChildWnd* hidden = Open(CRect(5, 5, 50, 50), false);  // a toolbar provider's own Explorer
  EXPECT_EQ(main.MDIGetActive(), shown) << "commands go to the frame a person sees";
  shown->DestroyWindow();
  EXPECT_EQ(main.MDIGetActive(), nullptr) << "not to the hidden one once the last shown frame closed";
  hidden->DestroyWindow();
}
