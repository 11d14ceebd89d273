#include "platform/Dialog.h"

#include "platform/UserInterface.h"

namespace {

bool TakesFocus(const CDialogItem& item) {
  switch (item.Kind()) {
    case ControlKind::Static:
    case ControlKind::GroupBox:
    case ControlKind::Icon:
      return false;
    default:
      return item.IsUsable();
  }
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent), m_templateId(templateId) {}

CDialog::~CDialog() {
  if (m_hWnd) DestroyWindow();
  m_items.clear();
}

bool CDialog::CreateFromTemplate(CWnd* parent, bool child) {
  if (m_hWnd) return false;
  m_template = FindDialogTemplate(m_templateId);
  if (!m_template) return false;
  const DialogTemplate& t = *m_template;
  m_ended = false;
  m_result = IDCANCEL;
  m_items.clear();
  DWORD style = child ? WS_CHILD | WS_VISIBLE : WS_VISIBLE;
  if (!CreateEx(0, "Dialog", t.caption, style, CRect(0, 0, t.size.cx, t.size.cy), parent, 0)) return false;
  for (const ControlTemplate& control : t.controls) {
    auto item = std::make_unique<CDialogItem>(control);
    DWORD itemStyle = control.style | WS_CHILD;
    if (!item->CreateEx(0, ControlKindName(control.kind), control.text, itemStyle, control.rect, this,
                        static_cast<UINT>(control.id)))
      continue;
    for (const std::string& text : control.items) item->AddString(text);
    m_items.push_back(std::move(item));
  }
  HWND self = m_hWnd;
  CDialogItem* first = FirstFocusable();
  bool defaultFocus = SendMessage(WM_INITDIALOG, reinterpret_cast<WPARAM>(first ? first->m_hWnd : nullptr)) != 0;
  if (!IsWindow(self)) return false;
  // As in Win32, answering true from OnInitDialog gives the focus to the first control.
  if (defaultFocus && !child && !m_ended) {
    if (CDialogItem* focus = FirstFocusable()) focus->SetFocus();
  }
  return true;
}

INT_PTR CDialog::DoModal() {
  if (m_running || m_hWnd) return -1;
  CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
  if (!CreateFromTemplate(owner, false)) return -1;
  m_running = true;
  if (!m_ended) UI().RunModalDialog(*this);
  int result = m_ended ? m_result : IDCANCEL;
  m_running = false;
  if (m_hWnd) DestroyWindow();
  m_items.clear();
  return result;
}

void CDialog::EndDialog(int result) {
  m_ended = true;
  m_result = result;
}

bool CDialog::UpdateData(bool saveAndValidate) {
  if (!m_hWnd) return false;
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  return !dx.m_failed;
}

CDialogItem* CDialog::Item(int id) const {
  for (const auto& item : m_items) {
    if (item->m_hWnd && static_cast<int>(item->GetDlgCtrlID()) == id) return item.get();
  }
  return nullptr;
}

std::vector<CDialogItem*> CDialog::Items() const {
  std::vector<CDialogItem*> items;
  for (const auto& item : m_items) {
    if (item->m_hWnd) items.push_back(item.get());
  }
  return items;
}

void CDialog::SetDlgItemText(int id, const std::string& text) {
  if (CDialogItem* item = Item(id)) item->SetWindowText(text);
}

std::string CDialog::GetDlgItemText(int id) const {
  CDialogItem* item = Item(id);
  return item ? item->GetWindowText() : std::string();
}

void CDialog::CheckDlgButton(int id, int check) {
  if (CDialogItem* item = Item(id)) item->SetCheck(check);
}

int CDialog::IsDlgButtonChecked(int id) const {
  CDialogItem* item = Item(id);
  return item ? item->GetCheck() : BST_UNCHECKED;
}

void CDialog::CheckRadioButton(int firstId, int lastId, int checkId) {
  for (CDialogItem* item : Items()) {
    int id = static_cast<int>(item->GetDlgCtrlID());
    if (item->Kind() == ControlKind::RadioButton && id >= firstId && id <= lastId)
      item->SetCheck(id == checkId ? BST_CHECKED : BST_UNCHECKED);
  }
}

CWnd* CDialog::GotoDlgCtrl(CWnd* control) {
  CWnd* previous = GetFocus();
  if (control && IsWindow(control->m_hWnd)) control->SetFocus();
  return previous;
}

CDialogItem* CDialog::FocusedItem() const {
  CWnd* focus = GetFocus();
  for (const auto& item : m_items) {
    if (item.get() == focus) return item.get();
  }
  return nullptr;
}

CDialogItem* CDialog::DefaultButton() const {
  for (CDialogItem* item : Items()) {
    if (item->IsDefaultButton()) return item;
  }
  return Item(IDOK);
}

CDialogItem* CDialog::FirstFocusable() const {
  CDialogItem* first = nullptr;
  for (CDialogItem* item : Items()) {
    if (!TakesFocus(*item)) continue;
    if (item->GetStyle() & WS_TABSTOP) return item;
    if (!first) first = item;
  }
  return first;
}

bool CDialog::IsButtonUsable(int id) const {
  CDialogItem* item = Item(id);
  return item && item->IsButton() && item->IsUsable();
}

bool CDialog::PressButton(int id) {
  if (!IsButtonUsable(id)) return false;
  return Item(id)->UserClick();
}

bool CDialog::PreTranslateMessage(MSG* msg) {
  if (msg->message != WM_KEYDOWN || (GetStyle() & WS_CHILD)) return false;
  if (msg->wParam == VK_RETURN) {
    auto* focus = dynamic_cast<CDialogItem*>(FromHandle(msg->hwnd));  // the key's window has the focus
    if (focus && focus->WantsReturn()) return false;
    if (focus && focus->IsButton() && !focus->IsAutomatic()) {
      focus->UserClick();
      return true;
    }
    if (CDialogItem* button = DefaultButton()) PressButton(static_cast<int>(button->GetDlgCtrlID()));
    return true;
  }
  if (msg->wParam == VK_ESCAPE) {
    SendMessage(WM_CLOSE);
    return true;
  }
  return false;
}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  int id = LOWORD(wParam);
  UINT code = HIWORD(wParam);
  if (OnControlCommand(id, code)) return true;
  if (code == BN_CLICKED && id == IDOK) {
    OnOK();
    return true;
  }
  if (code == BN_CLICKED && id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return CWnd::OnCommand(wParam, lParam);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog() ? 1 : 0;
    case WM_CLOSE: {
      // Closing the window is Cancel, unless the dialog has a Cancel button that is disabled.
      CDialogItem* cancel = Item(IDCANCEL);
      if (!cancel || cancel->IsWindowEnabled()) SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return 0;
    }
    case WM_VSCROLL:
    case WM_HSCROLL: {
      auto* bar = dynamic_cast<CDialogItem*>(FromHandle(reinterpret_cast<HWND>(lParam)));
      UINT request = LOWORD(wParam);
      int thumb = HIWORD(wParam);
      if (message == WM_VSCROLL) {
        OnVScroll(request, thumb, bar);
      } else {
        OnHScroll(request, thumb, bar);
      }
      return 0;
    }
    case WM_NCDESTROY:
      // The controls' windows are gone by now; their objects go with them.
      m_items.clear();
      return 0;
    default:
      return CWnd::WindowProc(message, wParam, lParam);
  }
}
