// What a person does with the tree control: clicks, the expand button,
// drags, renaming and keys. Each action first brings the item into view and
// the focus to the tree, then puts the cursor where the person aims, so that
// handlers which hit-test "at the cursor" find the item.
#include <algorithm>

#include "platform/TreeCtrl.h"

namespace {

constexpr UINT kVkPageUp = 0x21;
constexpr UINT kVkPageDown = 0x22;
constexpr UINT kVkEnd = 0x23;
constexpr UINT kVkHome = 0x24;
constexpr UINT kVkAdd = 0x6B;
constexpr UINT kVkSubtract = 0x6D;

LPARAM PackPoint(CPoint p) {
  return static_cast<LPARAM>(static_cast<std::uint32_t>((p.x & 0xFFFF) | ((p.y & 0xFFFF) << 16)));
}

}  // namespace

void CTreeCtrl::TakeFocus() {
  if (m_hWnd && !HasFocus()) SetFocus();
}

CPoint CTreeCtrl::LabelPoint(Slot slot) const {
  CRect text = TextRect(slot, m_items.RowInView(slot));
  CSize view = ViewSize();
  int left = std::max(text.left, 0);
  int right = view.cx > 0 ? std::min(text.right, view.cx) : text.right;
  if (right <= left) right = left + 1;
  int y = text.top + kItemHeight / 2;
  if (view.cy > 0 && y >= view.cy) y = view.cy - 1;
  return CPoint((left + right) / 2, y);
}

CPoint CTreeCtrl::ButtonPoint(Slot slot) const {
  CPoint label = LabelPoint(slot);
  return CPoint(ItemLeft(slot) - kIndent / 2, label.y);
}

bool CTreeCtrl::PrepareUserAction(HTREEITEM item, bool onButton) {
  if (m_items.Resolve(item) == kNone) return false;
  EnsureVisible(item);
  TakeFocus();  // may end a label edit, whose handler may change the tree
  Slot slot = m_items.Resolve(item);
  if (slot == kNone || !m_items.IsShown(slot)) return false;
  CPoint point = onButton ? ButtonPoint(slot) : LabelPoint(slot);
  ClientToScreen(&point);
  SetCursorPos(point);
  return true;
}

bool CTreeCtrl::UserClick(HTREEITEM item) {
  if (!PrepareUserAction(item)) return false;
  Slot slot = m_items.Resolve(item);
  if (slot != kNone) SelectCaret(slot, TVC_BYMOUSE);
  NMHDR header;
  Notify(header, NM_CLICK);
  return true;
}

bool CTreeCtrl::UserRightClick(HTREEITEM item) {
  if (!PrepareUserAction(item)) return false;
  RightClickAtCursor();
  return true;
}

bool CTreeCtrl::UserRightClick(CPoint clientPoint) {
  TakeFocus();
  CPoint screen = clientPoint;
  ClientToScreen(&screen);
  SetCursorPos(screen);
  RightClickAtCursor();
  return true;
}

void CTreeCtrl::RightClickAtCursor() {
  NMHDR header;
  if (Notify(header, NM_RCLICK) != 0 || !m_hWnd) return;
  CPoint cursor;
  GetCursorPos(&cursor);
  SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd), PackPoint(cursor));
}

bool CTreeCtrl::UserDoubleClick(HTREEITEM item) {
  if (!UserClick(item)) return false;
  NMHDR header;
  if (Notify(header, NM_DBLCLK) == 0) Expand(item, TVE_TOGGLE);
  return true;
}

bool CTreeCtrl::UserToggleExpand(HTREEITEM item) {
  if (!PrepareUserAction(item, true)) return false;
  return Expand(item, TVE_TOGGLE) != FALSE;
}

bool CTreeCtrl::UserBeginDrag(HTREEITEM item, bool rightButton) {
  if ((GetStyle() & TVS_DISABLEDRAGDROP) || !PrepareUserAction(item)) return false;
  Slot slot = m_items.Resolve(item);
  NotifyTree(rightButton ? TVN_BEGINRDRAG : TVN_BEGINDRAG, 0, kNone, slot, LabelPoint(slot));
  return true;
}

CWnd* CTreeCtrl::UserBeginLabelEdit(HTREEITEM item) {
  if (!(GetStyle() & TVS_EDITLABELS) || !PrepareUserAction(item)) return nullptr;
  Slot slot = m_items.Resolve(item);
  if (slot != m_caret && !SelectCaret(slot, TVC_BYMOUSE)) return nullptr;
  return EditLabel(item);
}

void CTreeCtrl::UserKeyDown(UINT virtualKey) {
  if (!m_hWnd) return;
  if (IsEditingLabel()) {
    DispatchKeyDown(m_edit.m_hWnd, virtualKey);
    return;
  }
  TakeFocus();
  DispatchKeyDown(m_hWnd, virtualKey);
}

void CTreeCtrl::OnKeyDown(UINT key, UINT, UINT) {
  NMTVKEYDOWN info;
  info.wVKey = static_cast<WORD>(key);
  Notify(info.hdr, TVN_KEYDOWN);

  Slot caret = m_caret != kNone && m_items.IsShown(m_caret) ? m_caret : kNone;
  Slot first = m_items[TreeItemStore::kRoot].firstChild;
  Slot parent = caret != kNone ? m_items[caret].parent : kNone;
  bool expandable = caret != kNone && HasChildren(caret);
  Slot target = kNone;
  switch (key) {
    case VK_UP:
      target = caret == kNone ? first : m_items.PrevShown(caret);
      break;
    case VK_DOWN:
      target = caret == kNone ? first : m_items.NextShown(caret);
      break;
    case kVkHome:
      target = first;
      break;
    case kVkEnd:
      target = m_items.LastShown();
      break;
    case kVkPageUp:
    case kVkPageDown: {
      int total = static_cast<int>(m_items.TotalRows());
      if (total == 0) break;
      int step = std::max(PageRows() - 1, 1);
      int row = caret == kNone ? 0 : m_items.RowInView(caret);
      row = std::clamp(key == kVkPageDown ? row + step : row - step, 0, total - 1);
      target = m_items.AtRowInView(static_cast<std::uint32_t>(row));
      break;
    }
    case VK_LEFT:
      if (expandable && m_items.IsExpanded(caret)) {
        ExpandSlot(caret, TVE_COLLAPSE);
      } else {
        target = parent;
      }
      break;
    case VK_BACK:
      target = parent;
      break;
    case VK_RIGHT:
      if (!expandable) break;
      if (!m_items.IsExpanded(caret)) {
        ExpandSlot(caret, TVE_EXPAND);
      } else {
        target = m_items[caret].firstChild;
      }
      break;
    case kVkAdd:
      if (expandable) ExpandSlot(caret, TVE_EXPAND);
      break;
    case kVkSubtract:
      if (caret != kNone) ExpandSlot(caret, TVE_COLLAPSE);
      break;
    case VK_MULTIPLY:
      if (caret != kNone) ExpandAll(m_items.Handle(caret));
      break;
    case VK_RETURN: {
      NMHDR header;
      Notify(header, NM_RETURN);
      break;
    }
    case VK_F2:
      if (caret != kNone && (GetStyle() & TVS_EDITLABELS)) EditLabel(m_items.Handle(caret));
      break;
    default:
      break;
  }
  if (target != kNone && target != TreeItemStore::kRoot) SelectCaret(target, TVC_BYKEYBOARD);
}
