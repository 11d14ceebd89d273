#include <charconv>

#include "platform/Dialog.h"
#include "platform/UserInterface.h"

namespace {

// The control to exchange with, or null when the exchange has already failed
// or the dialog has no such control.
CDialogItem* Target(CDataExchange* dx, int id) {
  if (!dx || !dx->m_pDlgWnd || dx->m_failed) return nullptr;
  return dx->m_pDlgWnd->Item(id);
}

// Reads the control into value when saving, shows value in it otherwise.
template <typename T, typename Read, typename Write>
void Exchange(CDataExchange* dx, int id, T& value, Read read, Write write) {
  CDialogItem* item = Target(dx, id);
  if (!item) return;
  if (dx->m_bSaveAndValidate) {
    value = read(*item);
  } else {
    write(*item, value);
  }
}

bool ParseInt(const std::string& text, int& value) {
  std::size_t begin = text.find_first_not_of(" \t");
  std::size_t end = text.find_last_not_of(" \t");
  if (begin == std::string::npos) return false;
  const char* first = text.data() + begin;
  const char* last = text.data() + end + 1;
  if (*first == '+') {
    ++first;
    if (first == last || *first == '-') return false;
  }
  int parsed = 0;
  auto [stop, error] = std::from_chars(first, last, parsed);
  if (error != std::errc() || stop != last) return false;
  value = parsed;
  return true;
}

}  // namespace

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
  Exchange(dx, id, value, [](CDialogItem& item) { return item.GetWindowText(); },
           [](CDialogItem& item, const std::string& text) { item.SetWindowText(text); });
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
  CDialogItem* item = Target(dx, id);
  if (!item) return;
  if (!dx->m_bSaveAndValidate) {
    item->SetWindowText(std::to_string(value));
    return;
  }
  if (ParseInt(item->GetWindowText(), value)) return;
  dx->Fail();
  HWND dialog = dx->m_pDlgWnd->m_hWnd;
  HWND control = item->m_hWnd;
  MessageBox(dialog, kEnterIntegerMessage, {}, MB_OK | MB_ICONEXCLAMATION);
  if (IsWindow(control)) CWnd::FromHandle(control)->SetFocus();
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
  Exchange(dx, id, value, [](CDialogItem& item) { return item.GetCheck(); },
           [](CDialogItem& item, int check) { item.SetCheck(check); });
}

void DDX_Radio(CDataExchange* dx, int firstId, int& value) {
  CDialogItem* first = Target(dx, firstId);
  if (!first) return;
  // The radio buttons from firstId up to the next control that starts a group.
  std::vector<CDialogItem*> radios;
  bool reached = false;
  for (CDialogItem* item : first->GroupMembers()) {
    reached = reached || item == first;
    if (reached && item->Kind() == ControlKind::RadioButton) radios.push_back(item);
  }
  if (dx->m_bSaveAndValidate) {
    value = -1;
    for (std::size_t i = 0; i < radios.size(); ++i) {
      if (radios[i]->GetCheck() == BST_CHECKED) {
        value = static_cast<int>(i);
        break;
      }
    }
    return;
  }
  for (std::size_t i = 0; i < radios.size(); ++i)
    radios[i]->SetCheck(static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED);
}

void DDX_CBIndex(CDataExchange* dx, int id, int& value) {
  Exchange(dx, id, value, [](CDialogItem& item) { return item.GetCurSel(); },
           [](CDialogItem& item, int index) { item.SetCurSel(index); });
}

void DDX_LBIndex(CDataExchange* dx, int id, int& value) { DDX_CBIndex(dx, id, value); }

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  CDialogItem* item = Target(dx, id);
  if (!item) return;
  if (auto* wrapper = dynamic_cast<CControlWrapper*>(&control)) {
    wrapper->SubclassDlgItem(id, dx->m_pDlgWnd);
  } else if (control.m_hWnd != item->m_hWnd && !IsWindow(control.m_hWnd)) {
    control.Attach(item->m_hWnd);
  }
}
