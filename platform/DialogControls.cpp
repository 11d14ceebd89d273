// The typed wrappers forward to the control they are bound to; unbound, or
// after the control's window is gone, they answer like an empty control.
#include "platform/Dialog.h"

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
  CDialogItem* item = Item();
  return item ? item->GetCheck() : BST_UNCHECKED;
}

void CButton::SetCheck(int check) {
  if (CDialogItem* item = Item()) item->SetCheck(check);
}

void CEdit::SetLimitText(int limit) {
  if (CDialogItem* item = Item()) item->SetLimitText(limit);
}

int CEdit::LineLength(int charIndex) const {
  CDialogItem* item = Item();
  return item ? item->LineLength(charIndex) : 0;
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
  CDialogItem* item = Item();
  return item ? item->GetEventMask() : 0;
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
  CDialogItem* item = Item();
  return item ? item->GetCurSel() : CB_ERR;
}

int CComboBox::SetCurSel(int index) {
  CDialogItem* item = Item();
  return item ? item->SetCurSel(index) : CB_ERR;
}

int CComboBox::GetCount() const {
  CDialogItem* item = Item();
  return item ? item->GetCount() : 0;
}

int CComboBox::AddString(const std::string& text) {
  CDialogItem* item = Item();
  return item ? item->AddString(text) : CB_ERR;
}

int CComboBox::DeleteString(int index) {
  CDialogItem* item = Item();
  return item ? item->DeleteString(index) : CB_ERR;
}

void CComboBox::ResetContent() {
  if (CDialogItem* item = Item()) item->ResetContent();
}

std::string CComboBox::GetLBText(int index) const {
  CDialogItem* item = Item();
  return item ? item->GetItemText(index) : std::string();
}

std::uintptr_t CComboBox::GetItemData(int index) const {
  CDialogItem* item = Item();
  return item ? item->GetItemData(index) : 0;
}

int CComboBox::SetItemData(int index, std::uintptr_t data) {
  CDialogItem* item = Item();
  return item ? item->SetItemData(index, data) : CB_ERR;
}

// ---------------------------------------------------------------- list boxes

int CListBox::GetCount() const {
  CDialogItem* item = Item();
  return item ? item->GetCount() : 0;
}

int CListBox::AddString(const std::string& text) {
  CDialogItem* item = Item();
  return item ? item->AddString(text) : LB_ERR;
}

int CListBox::GetCurSel() const {
  CDialogItem* item = Item();
  return item ? item->GetCurSel() : LB_ERR;
}

int CListBox::SetCurSel(int index) {
  CDialogItem* item = Item();
  return item ? item->SetCurSel(index) : LB_ERR;
}

std::string CListBox::GetText(int index) const {
  CDialogItem* item = Item();
  return item ? item->GetItemText(index) : std::string();
}

std::uintptr_t CListBox::GetItemData(int index) const {
  CDialogItem* item = Item();
  return item ? item->GetItemData(index) : 0;
}

int CListBox::SetItemData(int index, std::uintptr_t data) {
  CDialogItem* item = Item();
  return item ? item->SetItemData(index, data) : LB_ERR;
}

void CListBox::ResetContent() {
  if (CDialogItem* item = Item()) item->ResetContent();
}

int CCheckListBox::GetCheck(int index) const {
  CDialogItem* item = Item();
  return item ? item->GetItemCheck(index) : BST_UNCHECKED;
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
  CDialogItem* item = Item();
  return item ? item->SetScrollPos(pos) : 0;
}

int CScrollBar::GetScrollPos() const {
  CDialogItem* item = Item();
  return item ? item->GetScrollPos() : 0;
}
