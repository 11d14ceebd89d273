// Drag and drop as the system drives it: entering, moving over and leaving
// targets, the drop with its right-button variant, and targets that disappear.
#include <gtest/gtest.h>

#include "platform/Ole.h"
#include "platform/Window.h"

namespace {

constexpr DROPEFFECT kDeclined = static_cast<DROPEFFECT>(-1);
constexpr DROPEFFECT kAll = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

// A drop target that records what it is told and answers as configured.
class TargetWnd : public CWnd {
 public:
  std::vector<std::string> calls;
  DROPEFFECT offer = DROPEFFECT_COPY;
  DROPEFFECT dropExAnswer = kDeclined;
  bool acceptDrop = true;
  bool destroyOnDragOver = false;
  DROPEFFECT droppedWith = 0xFFFF;
  DROPEFFECT dropDefault = 0xFFFF, dropList = 0xFFFF;
  std::vector<CLIPFORMAT> formatsSeen;

  explicit TargetWnd(bool registerAsTarget = true) {
    Create("target", "", WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0);
    if (registerAsTarget) m_dropTarget.Register(this);
  }

  DROPEFFECT OnDragEnter(COleDataObject*, DWORD, CPoint) override {
    calls.push_back("enter");
    return offer;
  }
  DROPEFFECT OnDragOver(COleDataObject*, DWORD, CPoint) override {
    calls.push_back("over");
    if (destroyOnDragOver) DestroyWindow();
    return offer;
  }
  void OnDragLeave() override { calls.push_back("leave"); }
  bool OnDrop(COleDataObject* data, DROPEFFECT effect, CPoint) override {
    calls.push_back("drop");
    droppedWith = effect;
    for (CLIPFORMAT f : {RegisterClipboardFormat("MORROW Modelling Language"), CLIPFORMAT{CF_TEXT}}) {
      if (data->IsDataAvailable(f)) formatsSeen.push_back(f);
    }
    return acceptDrop;
  }
  DROPEFFECT OnDropEx(COleDataObject*, DROPEFFECT defaultEffect, DROPEFFECT list, CPoint) override {
    calls.push_back("dropex");
    dropDefault = defaultEffect;
    dropList = list;
    return dropExAnswer;
  }

  COleDropTarget m_dropTarget;
};

std::shared_ptr<COleDataSource> SomeData() {
  auto data = std::make_shared<COleDataSource>();
  data->CacheGlobalData(RegisterClipboardFormat("MORROW Modelling Language"), {'M'});
  return data;
}

using Calls = std::vector<std::string>;

// A drag that moves over target once with keys held and drops there.
DROPEFFECT DragOnto(TargetWnd& target, DROPEFFECT allowed, DWORD keys) {
  DragDropSession session(SomeData(), allowed);
  session.MoveTo(target.m_hWnd, CPoint(1, 1), keys);
  return session.Drop();
}

}  // namespace

TEST(DragDrop, AWindowThatIsNotADropTargetOffersNothing) {
  TargetWnd plain(false);
  DragDropSession session(SomeData(), kAll);
  EXPECT_EQ(session.MoveTo(plain.m_hWnd, CPoint(5, 5), MK_LBUTTON), DROPEFFECT_NONE);
  EXPECT_EQ(session.MoveTo(nullptr, CPoint(5, 5), MK_LBUTTON), DROPEFFECT_NONE);
  EXPECT_EQ(session.Drop(), DROPEFFECT_NONE);
  EXPECT_TRUE(plain.calls.empty());
}

TEST(DragDrop, MovingBetweenTargetsEntersOversAndLeaves) {
  TargetWnd a, b;
  b.offer = DROPEFFECT_MOVE;
  {
    DragDropSession session(SomeData(), kAll);
    EXPECT_EQ(session.MoveTo(a.m_hWnd, CPoint(1, 1), MK_LBUTTON), DROPEFFECT_COPY);
    EXPECT_EQ(session.MoveTo(a.m_hWnd, CPoint(2, 2), MK_LBUTTON), DROPEFFECT_COPY);
    EXPECT_EQ(session.MoveTo(b.m_hWnd, CPoint(3, 3), MK_LBUTTON), DROPEFFECT_MOVE);
    EXPECT_EQ(session.CurrentTarget(), b.m_hWnd);
    EXPECT_EQ(session.MoveTo(b.m_hWnd, CPoint(4, 4), MK_LBUTTON), DROPEFFECT_MOVE);
  }  // abandoning the drag leaves the target it was over
  EXPECT_EQ(a.calls, (Calls{"enter", "over", "leave"}));
  EXPECT_EQ(b.calls, (Calls{"enter", "over", "leave"}));
}

TEST(DragDrop, OfferedEffectsAreLimitedToTheAllowedOnesKeepingTheScrollBit) {
  TargetWnd target;
  DragDropSession session(SomeData(), DROPEFFECT_COPY);
  target.offer = DROPEFFECT_MOVE;
  EXPECT_EQ(session.MoveTo(target.m_hWnd, CPoint(1, 1), MK_LBUTTON), DROPEFFECT_NONE);
  target.offer = DROPEFFECT_COPY | DROPEFFECT_SCROLL;
  EXPECT_EQ(session.MoveTo(target.m_hWnd, CPoint(1, 1), MK_LBUTTON), DROPEFFECT_COPY | DROPEFFECT_SCROLL);
  target.offer = DROPEFFECT_MOVE | DROPEFFECT_SCROLL;
  EXPECT_EQ(session.MoveTo(target.m_hWnd, CPoint(1, 1), MK_LBUTTON), DROPEFFECT_SCROLL);
  EXPECT_EQ(session.LastEffect(), DROPEFFECT_SCROLL);
}

TEST(DragDrop, ALeftButtonDropUsesTheLastOfferedEffect) {
  TargetWnd target;
  target.offer = DROPEFFECT_MOVE | DROPEFFECT_SCROLL;
  DragDropSession session(SomeData(), kAll);
  session.MoveTo(target.m_hWnd, CPoint(10, 10), MK_LBUTTON | MK_CONTROL);
  EXPECT_EQ(session.Drop(), DROPEFFECT_MOVE);
  EXPECT_EQ(target.droppedWith, DROPEFFECT_MOVE);  // the scroll bit is not a drop effect
  EXPECT_EQ(target.calls, (Calls{"enter", "drop"}));
  EXPECT_EQ(target.formatsSeen, std::vector<CLIPFORMAT>{RegisterClipboardFormat("MORROW Modelling Language")});
  EXPECT_EQ(session.CurrentTarget(), nullptr);

  TargetWnd refusing;
  refusing.acceptDrop = false;
  EXPECT_EQ(DragOnto(refusing, kAll, MK_LBUTTON), DROPEFFECT_NONE);
  EXPECT_EQ(refusing.calls, (Calls{"enter", "drop"}));
}

TEST(DragDrop, ATargetThatOfferedNothingIsLeftInsteadOfDroppedOn) {
  TargetWnd target;
  target.offer = DROPEFFECT_NONE;
  EXPECT_EQ(DragOnto(target, kAll, MK_LBUTTON), DROPEFFECT_NONE);
  EXPECT_EQ(target.calls, (Calls{"enter", "leave"}));
}

TEST(DragDrop, ARightButtonDropOffersOnDropExFirst) {
  TargetWnd chooser;
  chooser.dropExAnswer = DROPEFFECT_LINK;  // the user picked "Create Instance Here"
  EXPECT_EQ(DragOnto(chooser, DROPEFFECT_COPY | DROPEFFECT_LINK, MK_RBUTTON), DROPEFFECT_LINK);
  EXPECT_EQ(chooser.calls, (Calls{"enter", "dropex"}));
  EXPECT_EQ(chooser.dropDefault, DROPEFFECT_COPY);
  EXPECT_EQ(chooser.dropList, DROPEFFECT_COPY | DROPEFFECT_LINK);

  // Declined: OnDrop follows with the effect last offered.
  TargetWnd decliner;
  decliner.offer = DROPEFFECT_COPY | DROPEFFECT_SCROLL;
  DragDropSession second(SomeData(), kAll);
  second.MoveTo(decliner.m_hWnd, CPoint(1, 1), MK_RBUTTON);
  second.MoveTo(decliner.m_hWnd, CPoint(2, 2), MK_RBUTTON);
  EXPECT_EQ(second.Drop(), DROPEFFECT_COPY);
  EXPECT_EQ(decliner.calls, (Calls{"enter", "over", "dropex", "drop"}));
  EXPECT_EQ(decliner.droppedWith, DROPEFFECT_COPY);

  // An answer outside the allowed effects is not passed on to the source.
  TargetWnd greedy;
  greedy.dropExAnswer = DROPEFFECT_MOVE;
  EXPECT_EQ(DragOnto(greedy, DROPEFFECT_COPY, MK_RBUTTON), DROPEFFECT_NONE);

  // A left-button drop never asks OnDropEx.
  TargetWnd left;
  left.dropExAnswer = DROPEFFECT_LINK;
  EXPECT_EQ(DragOnto(left, kAll, MK_LBUTTON), DROPEFFECT_COPY);
  EXPECT_EQ(left.calls, (Calls{"enter", "drop"}));
}

TEST(DragDrop, ATargetDestroyedMidDragIsNeverCalledAgain) {
  auto* target = new TargetWnd;
  HWND handle = target->m_hWnd;
  DragDropSession session(SomeData(), kAll);
  EXPECT_EQ(session.MoveTo(handle, CPoint(1, 1), MK_LBUTTON), DROPEFFECT_COPY);
  delete target;  // window and object gone; a call now would touch freed memory
  EXPECT_EQ(session.MoveTo(handle, CPoint(2, 2), MK_LBUTTON), DROPEFFECT_NONE);
  EXPECT_EQ(session.Drop(), DROPEFFECT_NONE);

  // Destroyed by its own handler: the drop and the leave do not reach it.
  TargetWnd selfDestroying;
  selfDestroying.destroyOnDragOver = true;
  DragDropSession second(SomeData(), kAll);
  second.MoveTo(selfDestroying.m_hWnd, CPoint(1, 1), MK_LBUTTON);
  HWND gone = selfDestroying.m_hWnd;
  second.MoveTo(gone, CPoint(2, 2), MK_LBUTTON);
  EXPECT_EQ(second.Drop(), DROPEFFECT_NONE);
  second.Cancel();
  EXPECT_EQ(selfDestroying.calls, (Calls{"enter", "over"}));
}

TEST(DragDrop, RevokingADropTargetEndsItsPart) {
  TargetWnd target;
  EXPECT_TRUE(target.IsDropTarget());
  DragDropSession session(SomeData(), kAll);
  session.MoveTo(target.m_hWnd, CPoint(1, 1), MK_LBUTTON);
  target.m_dropTarget.Revoke();
  EXPECT_FALSE(target.IsDropTarget());
  EXPECT_EQ(session.MoveTo(target.m_hWnd, CPoint(2, 2), MK_LBUTTON), DROPEFFECT_NONE);
  EXPECT_EQ(session.Drop(), DROPEFFECT_NONE);
  EXPECT_EQ(target.calls, Calls{"enter"});

  COleDropTarget registration;
  EXPECT_FALSE(registration.Register(nullptr));
  CWnd noWindow;
  EXPECT_FALSE(registration.Register(&noWindow));
  {
    COleDropTarget scoped;
    EXPECT_TRUE(scoped.Register(&target));
    EXPECT_TRUE(target.IsDropTarget());
  }
  EXPECT_FALSE(target.IsDropTarget());  // revoked when the registration ends
}
