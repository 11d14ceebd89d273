#include <algorithm>

#include "platform/Dialog.h"
#include "platform/TextCompare.h"
#include "platform/Utf8.h"

namespace {

bool StartsGroup(const CDialogItem* item) { return item->GetStyle() & WS_GROUP; }

}  // namespace

CDialogItem::CDialogItem(const ControlTemplate& t) : m_kind(t.kind), m_templateRect(t.rect) {}

bool CDialogItem::IsButton() const {
  switch (m_kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      return true;
    default:
      return false;
  }
}

bool CDialogItem::IsAutomatic() const {
  DWORD type = GetStyle() & BS_TYPEMASK;
  if (m_kind == ControlKind::CheckBox) return type != BS_CHECKBOX;
  if (m_kind == ControlKind::RadioButton) return type != BS_RADIOBUTTON;
  return false;
}

bool CDialogItem::IsDefaultButton() const {
  return m_kind == ControlKind::DefPushButton ||
         (m_kind == ControlKind::PushButton && (GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
}

bool CDialogItem::HasItems() const {
  return m_kind == ControlKind::ComboBox || m_kind == ControlKind::ListBox || m_kind == ControlKind::CheckListBox;
}

bool CDialogItem::IsUsable() const { return IsWindow(m_hWnd) && IsWindowEnabled() && IsWindowVisible(); }

std::vector<CDialogItem*> CDialogItem::GroupMembers() const {
  CWnd* parent = GetParent();
  if (!parent) return {const_cast<CDialogItem*>(this)};
  std::vector<CDialogItem*> siblings;
  for (CWnd* child : parent->GetChildren()) {
    if (auto* item = dynamic_cast<CDialogItem*>(child)) siblings.push_back(item);
  }
  auto self = std::find(siblings.begin(), siblings.end(), this);
  if (self == siblings.end()) return {const_cast<CDialogItem*>(this)};
  auto first = self;
  while (first != siblings.begin() && !StartsGroup(*first)) --first;
  auto last = self + 1;
  while (last != siblings.end() && !StartsGroup(*last)) ++last;
  return {first, last};
}

// ---------------------------------------------------------------- check and selection

void CDialogItem::SetCheck(int state) {
  if (m_check == state) return;
  m_check = state;
  if (m_hWnd) NotifyWindowChanged(*this);
}

int CDialogItem::SetCurSel(int index) {
  if (!HasItems()) return CB_ERR;
  bool valid = index >= 0 && index < GetCount();
  m_curSel = valid ? index : -1;
  ShowSelectionText();
  return valid ? index : CB_ERR;
}

void CDialogItem::ShowSelectionText() {
  WindowRecord* rec = Record();
  if (!rec) return;
  if (m_kind == ControlKind::ComboBox) rec->text = m_curSel >= 0 ? m_entries[m_curSel].text : std::string();
  NotifyWindowChanged(*this);
}

// ---------------------------------------------------------------- list entries

bool CDialogItem::IsSorted() const {
  if (m_kind == ControlKind::ComboBox) return GetStyle() & CBS_SORT;
  return (m_kind == ControlKind::ListBox || m_kind == ControlKind::CheckListBox) && (GetStyle() & LBS_SORT);
}

int CDialogItem::AddString(const std::string& text) {
  if (!HasItems()) return LB_ERR;
  if (!IsSorted()) return InsertEntry(GetCount(), text);
  auto at = std::upper_bound(m_entries.begin(), m_entries.end(), text,
                             [](const std::string& t, const Entry& e) { return CompareNoCase(t, e.text) < 0; });
  return InsertEntry(static_cast<int>(at - m_entries.begin()), text);
}

int CDialogItem::InsertString(int index, const std::string& text) {
  if (!HasItems()) return LB_ERR;
  if (index == -1) index = GetCount();
  if (index < 0 || index > GetCount()) return LB_ERR;
  return InsertEntry(index, text);
}

int CDialogItem::InsertEntry(int index, const std::string& text) {
  m_entries.insert(m_entries.begin() + index, Entry{text, 0, BST_UNCHECKED});
  if (m_curSel >= index) ++m_curSel;
  if (m_hWnd) NotifyWindowChanged(*this);
  return index;
}

int CDialogItem::DeleteString(int index) {
  if (index < 0 || index >= GetCount()) return LB_ERR;
  m_entries.erase(m_entries.begin() + index);
  if (m_curSel == index) {
    m_curSel = -1;
  } else if (m_curSel > index) {
    --m_curSel;
  }
  ShowSelectionText();
  return GetCount();
}

void CDialogItem::ResetContent() {
  m_entries.clear();
  m_curSel = -1;
  ShowSelectionText();
}

std::string CDialogItem::GetItemText(int index) const {
  return index >= 0 && index < GetCount() ? m_entries[index].text : std::string();
}

std::uintptr_t CDialogItem::GetItemData(int index) const {
  return index >= 0 && index < GetCount() ? m_entries[index].data : 0;
}

int CDialogItem::SetItemData(int index, std::uintptr_t data) {
  if (index < 0 || index >= GetCount()) return LB_ERR;
  m_entries[index].data = data;
  return 0;
}

int CDialogItem::GetItemCheck(int index) const {
  return index >= 0 && index < GetCount() ? m_entries[index].check : BST_UNCHECKED;
}

void CDialogItem::SetItemCheck(int index, int check) {
  if (index < 0 || index >= GetCount() || m_entries[index].check == check) return;
  m_entries[index].check = check;
  if (m_hWnd) NotifyWindowChanged(*this);
}

int CDialogItem::FindStringExact(const std::string& text) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (CompareNoCase(m_entries[i].text, text) == 0) return i;
  }
  return LB_ERR;
}

// ---------------------------------------------------------------- edit text

int CDialogItem::LineLength(int charIndex) const {
  std::string text = GetWindowText();
  std::size_t at = Utf8::ByteOffset(text, static_cast<std::size_t>(charIndex < 0 ? m_selStart : charIndex));
  std::size_t begin = 0;
  if (at > 0) {
    std::size_t newline = text.rfind('\n', at - 1);
    if (newline != std::string::npos) begin = newline + 1;
  }
  std::size_t end = text.find_first_of("\r\n", begin);
  if (end == std::string::npos) end = text.size();
  return static_cast<int>(Utf8::Length(std::string_view(text).substr(begin, end - begin)));
}

void CDialogItem::SetSel(int start, int end) {
  int length = static_cast<int>(Utf8::Length(GetWindowText()));
  if (start < 0) {
    m_selStart = m_selEnd;
    return;
  }
  if (end < 0) end = length;
  start = std::min(start, length);
  end = std::min(end, length);
  if (start > end) std::swap(start, end);
  m_selStart = start;
  m_selEnd = end;
}

bool CDialogItem::ReportsChanges() const {
  return m_kind == ControlKind::Edit || (m_kind == ControlKind::RichEdit && (m_eventMask & ENM_CHANGE));
}

void CDialogItem::SetTextAndNotify(const std::string& text, int caret, bool notify) {
  WindowRecord* rec = Record();
  if (!rec) return;
  rec->text = text;
  m_selStart = m_selEnd = caret;
  NotifyWindowChanged(*this);
  if (notify && ReportsChanges()) NotifyParent(EN_CHANGE);
}

void CDialogItem::ReplaceSel(const std::string& text) {
  if (!IsEditKind() || !m_hWnd) return;
  std::string current = GetWindowText();
  std::size_t length = Utf8::Length(current);
  std::size_t start = std::min<std::size_t>(m_selStart, length);
  std::size_t end = std::min<std::size_t>(m_selEnd, length);
  std::string insert = text;
  if (m_limit > 0) {
    std::size_t kept = length - (end - start);
    std::size_t room = kept < static_cast<std::size_t>(m_limit) ? m_limit - kept : 0;
    insert = Utf8::Prefix(insert, room);
  }
  std::size_t from = Utf8::ByteOffset(current, start);
  std::size_t to = Utf8::ByteOffset(current, end);
  std::string result = current.substr(0, from) + insert + current.substr(to);
  SetTextAndNotify(result, static_cast<int>(start + Utf8::Length(insert)), true);
}

// ---------------------------------------------------------------- scroll bars

void CDialogItem::SetScrollRange(int minPos, int maxPos) {
  if (maxPos < minPos) std::swap(minPos, maxPos);
  m_scrollMin = minPos;
  m_scrollMax = maxPos;
  m_scrollPos = std::clamp(m_scrollPos, m_scrollMin, m_scrollMax);
  if (m_hWnd) NotifyWindowChanged(*this);
}

int CDialogItem::SetScrollPos(int pos) {
  int old = m_scrollPos;
  m_scrollPos = std::clamp(pos, m_scrollMin, m_scrollMax);
  if (m_hWnd && old != m_scrollPos) NotifyWindowChanged(*this);
  return old;
}

// ---------------------------------------------------------------- what a person does

// Acting on a control gives it the focus first, as a click does. A focus
// handler may disable, hide or even destroy the control, so it is checked again.
bool CDialogItem::TakeFocusForUser() {
  HWND self = m_hWnd;
  SetFocus();
  return IsWindow(self) && IsUsable();
}

bool CDialogItem::UserType(const std::string& text) {
  if (!IsEditKind() || !IsUsable() || IsReadOnly()) return false;
  if (!TakeFocusForUser()) return false;
  std::string typed = text;
  if (!(GetStyle() & ES_MULTILINE)) typed = typed.substr(0, typed.find_first_of("\r\n"));
  if (m_limit > 0) typed = Utf8::Prefix(typed, static_cast<std::size_t>(m_limit));
  SetTextAndNotify(typed, static_cast<int>(Utf8::Length(typed)), true);
  return true;
}

bool CDialogItem::UserClick() {
  if (!IsButton() || !IsUsable()) return false;
  if (!TakeFocusForUser()) return false;
  if (IsAutomatic()) {
    if (m_kind == ControlKind::CheckBox) {
      SetCheck(m_check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    } else {
      SetCheck(BST_CHECKED);
      UncheckGroupSiblings();
    }
  }
  NotifyParent(BN_CLICKED);
  return true;
}

bool CDialogItem::UserSelect(int index) {
  if (!HasItems() || !IsUsable() || index < 0 || index >= GetCount()) return false;
  if (!TakeFocusForUser() || index >= GetCount()) return false;
  SetCurSel(index);
  if (m_kind == ControlKind::ComboBox) {
    NotifyParent(CBN_SELCHANGE);
  } else if (GetStyle() & LBS_NOTIFY) {
    NotifyParent(LBN_SELCHANGE);
  }
  return true;
}

bool CDialogItem::UserToggleItemCheck(int index) {
  if (m_kind != ControlKind::CheckListBox || !IsUsable() || index < 0 || index >= GetCount()) return false;
  if (!TakeFocusForUser() || index >= GetCount()) return false;
  SetItemCheck(index, m_entries[index].check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  NotifyParent(CLBN_CHKCHANGE);
  return true;
}

bool CDialogItem::UserScroll(UINT request, int thumbPos) {
  if (m_kind != ControlKind::ScrollBar || !IsUsable()) return false;
  WindowRecord* rec = Record();
  UINT message = (GetStyle() & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
  ::SendMessage(rec->parent, message, MAKEWPARAM(static_cast<WORD>(request), static_cast<WORD>(thumbPos)),
                reinterpret_cast<LPARAM>(m_hWnd));
  return true;
}

void CDialogItem::UncheckGroupSiblings() {
  for (CDialogItem* sibling : GroupMembers()) {
    if (sibling != this && sibling->Kind() == ControlKind::RadioButton && sibling->IsAutomatic())
      sibling->SetCheck(BST_UNCHECKED);
  }
}

// The parent may end, hide or destroy this control while it handles the
// notification: nothing of this object is touched afterwards.
void CDialogItem::NotifyParent(UINT code) {
  WindowRecord* rec = Record();
  if (!rec) return;
  HWND parent = rec->parent;
  WPARAM wParam = MAKEWPARAM(static_cast<WORD>(rec->id), static_cast<WORD>(code));
  ::SendMessage(parent, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(m_hWnd));
}

// ---------------------------------------------------------------- owner draw

CDC CDialogItem::DrawItem(int index, bool selected, const CRect& rect) {
  CDC dc;
  if (!m_drawer || index < -1 || index >= GetCount()) return dc;
  DRAWITEMSTRUCT item;
  item.itemID = index;
  item.selected = selected;
  item.focused = selected && HasFocus();
  item.rcItem = rect;
  item.pDC = &dc;
  item.itemData = GetItemData(index);
  m_drawer->DrawItem(&item);
  return dc;
}

int CDialogItem::ItemHeight(int index) {
  MEASUREITEMSTRUCT measure;
  measure.itemID = index;
  if (m_drawer) m_drawer->MeasureItem(&measure);
  return measure.itemHeight;
}

// ---------------------------------------------------------------- messages

LRESULT CDialogItem::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: {
      const std::string& text = *reinterpret_cast<const std::string*>(lParam);
      if (IsEditKind()) {
        // As in Win32, a multi-line edit does not report text set by the program.
        SetTextAndNotify(text, 0, !(GetStyle() & ES_MULTILINE));
        return 1;
      }
      if (m_kind == ControlKind::ComboBox) {
        // A drop-down list shows only its items: the text selects the item that has it.
        int index = FindStringExact(text);
        if (index < 0) return 0;
        SetCurSel(index);
        return 1;
      }
      return DefWindowProc(message, wParam, lParam);
    }
    case WM_SETFOCUS:
      if (IsEditKind()) NotifyParent(EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      if (IsEditKind()) NotifyParent(EN_KILLFOCUS);
      return 0;
    default:
      return CWnd::WindowProc(message, wParam, lParam);
  }
}

void CDialogItem::SetFont(const CFont& font) {
  if (m_font == font) return;
  m_font = font;
  if (m_hWnd) NotifyWindowChanged(*this);
}

void CDialogItem::SetToolTipText(const std::string& text) {
  if (m_toolTip == text) return;
  m_toolTip = text;
  if (m_hWnd) NotifyWindowChanged(*this);
}
