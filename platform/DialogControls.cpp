// The typed wrappers forward to the control they are bound to; unbound, or
// after the control's window is gone, they answer like an empty control.
#include <utility>

#include "platform/Dialog.h"

namespace {

// action's answer for the bound control, else otherwise.
template <typename Default, typename Action>
auto WithItem(const CControlWrapper& wrapper, Default otherwise, Action action)
    -> decltype(action(std::declval<CDialogItem&>())) {
  using Result = decltype(action(std::declval<CDialogItem&>()));
  CDialogItem* item = wrapper.Item();
  return item ? action(*item) : static_cast<Result>(otherwise);
}

}  // namespace

// ---------------------------------------------------------------- binding

bool CControlWrapper::SubclassDlgItem(int id, CDialog* dialog) {
  CDialogItem* target = dialog ? dialog->Item(id) : nullptr;
  if (!target) return false;
  CDialogItem* current = Item();
  if (current == target) return true;
  if (current) OnUnbind(*current);
  Attach(target->m_hWnd);
  OnBind(*target);
  return true;
}

CDialogItem* CControlWrapper::Item() const { return dynamic_cast<CDialogItem*>(FromHandle(m_hWnd)); }

// ---------------------------------------------------------------- buttons and edits

int CButton::GetCheck() const {
  return WithItem(*this, BST_UNCHECKED, [&](CDialogItem& i) { return i.GetCheck(); });
}

void CButton::SetCheck(int check) {
  if (CDialogItem* item = Item()) item->SetCheck(check);
}

void CEdit::SetLimitText(int limit) {
  if (CDialogItem* item = Item()) item->SetLimitText(limit);
}

int CEdit::LineLength(int charIndex) const {
  return WithItem(*this, 0, [&](CDialogItem& i) { return i.LineLength(charIndex); });
}

void CEdit::SetSel(int start, int end) {
  if (CDialogItem* item = Item()) item->SetSel(start, end);
}

void CEdit::ReplaceSel(const std::string& text) {
  if (CDialogItem* item = Item()) item->ReplaceSel(text);
}

void CRichEditCtrl::SetEventMask(DWORD mask) {
  if (CDialogItem* item = Item()) item->SetEventMask(mask);
}

DWORD CRichEditCtrl::GetEventMask() const {
  return WithItem(*this, 0, [&](CDialogItem& i) { return i.GetEventMask(); });
}

// ---------------------------------------------------------------- combo boxes

CComboBox::~CComboBox() {
  if (CDialogItem* item = Item()) OnUnbind(*item);
}

void CComboBox::OnBind(CDialogItem& item) {
  if (item.GetStyle() & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) item.SetOwnerDraw(this);
}

void CComboBox::OnUnbind(CDialogItem& item) {
  if (item.OwnerDraw() == this) item.SetOwnerDraw(nullptr);
}

bool CComboBox::SubclassOwnerDraw(int id, CDialog* dialog) {
  if (!SubclassDlgItem(id, dialog)) return false;
  Item()->SetOwnerDraw(this);
  return true;
}

int CComboBox::GetCurSel() const {
  return WithItem(*this, CB_ERR, [&](CDialogItem& i) { return i.GetCurSel(); });
}

int CComboBox::SetCurSel(int index) {
  return WithItem(*this, CB_ERR, [&](CDialogItem& i) { return i.SetCurSel(index); });
}

int CComboBox::GetCount() const {
  return WithItem(*this, 0, [&](CDialogItem& i) { return i.GetCount(); });
}

int CComboBox::AddString(const std::string& text) {
  return WithItem(*this, CB_ERR, [&](CDialogItem& i) { return i.AddString(text); });
}

int CComboBox::DeleteString(int index) {
  return WithItem(*this, CB_ERR, [&](CDialogItem& i) { return i.DeleteString(index); });
}

void CComboBox::ResetContent() {
  if (CDialogItem* item = Item()) item->ResetContent();
}

std::string CComboBox::GetLBText(int index) const {
  return WithItem(*this, std::string(), [&](CDialogItem& i) { return i.GetItemText(index); });
}

std::uintptr_t CComboBox::GetItemData(int index) const {
  return WithItem(*this, 0, [&](CDialogItem& i) { return i.GetItemData(index); });
}

int CComboBox::SetItemData(int index, std::uintptr_t data) {
  return WithItem(*this, CB_ERR, [&](CDialogItem& i) { return i.SetItemData(index, data); });
}

// ---------------------------------------------------------------- list boxes

int CListBox::GetCount() const {
  return WithItem(*this, 0, [&](CDialogItem& i) { return i.GetCount(); });
}

int CListBox::AddString(const std::string& text) {
  return WithItem(*this, LB_ERR, [&](CDialogItem& i) { return i.AddString(text); });
}

int CListBox::GetCurSel() const {
  return WithItem(*this, LB_ERR, [&](CDialogItem& i) { return i.GetCurSel(); });
}

int CListBox::SetCurSel(int index) {
  return WithItem(*this, LB_ERR, [&](CDialogItem& i) { return i.SetCurSel(index); });
}

std::string CListBox::GetText(int index) const {
  return WithItem(*this, std::string(), [&](CDialogItem& i) { return i.GetItemText(index); });
}

std::uintptr_t CListBox::GetItemData(int index) const {
  return WithItem(*this, 0, [&](CDialogItem& i) { return i.GetItemData(index); });
}

int CListBox::SetItemData(int index, std::uintptr_t data) {
  return WithItem(*this, LB_ERR, [&](CDialogItem& i) { return i.SetItemData(index, data); });
}

void CListBox::ResetContent() {
  if (CDialogItem* item = Item()) item->ResetContent();
}

int CCheckListBox::GetCheck(int index) const {
  return WithItem(*this, BST_UNCHECKED, [&](CDialogItem& i) { return i.GetItemCheck(index); });
}

void CCheckListBox::SetCheck(int index, int check) {
  if (CDialogItem* item = Item()) item->SetItemCheck(index, check);
}

// ---------------------------------------------------------------- scroll bars

void CScrollBar::SetScrollRange(int minPos, int maxPos) {
  if (CDialogItem* item = Item()) item->SetScrollRange(minPos, maxPos);
}

void CScrollBar::GetScrollRange(int* minPos, int* maxPos) const {
  CDialogItem* item = Item();
  if (minPos) *minPos = item ? item->ScrollMin() : 0;
  if (maxPos) *maxPos = item ? item->ScrollMax() : 0;
}

int CScrollBar::SetScrollPos(int pos) {
  return WithItem(*this, 0, [&](CDialogItem& i) { return i.SetScrollPos(pos); });
}

int CScrollBar::GetScrollPos() const {
  return WithItem(*this, 0, [&](CDialogItem& i) { return i.GetScrollPos(); });
}
