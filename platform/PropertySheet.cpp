#include "platform/PropertySheet.h"

#include <algorithm>

#include "platform/Menu.h"
#include "platform/Resources.h"
#include "platform/UserInterface.h"

namespace {

// Layout in dialog units.
constexpr int kMargin = 7;
constexpr int kTabHeight = 14;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;

struct SheetButton {
  int id;
  const char* text;
  ControlKind kind;
  DWORD extraStyle;
};

// Left to right, aligned to the right edge.
constexpr SheetButton kSheetButtons[] = {
    {IDOK, "OK", ControlKind::DefPushButton, WS_GROUP},
    {IDCANCEL, "Cancel", ControlKind::PushButton, 0},
    {ID_APPLY_NOW, "&Apply", ControlKind::PushButton, WS_DISABLED},
    {IDHELP, "Help", ControlKind::PushButton, 0},
};

}  // namespace

// ---------------------------------------------------------------- page

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) : CDialog(templateId), m_captionId(captionId) {}

std::string CPropertyPage::Title() const {
  if (m_captionId) return LoadStringOrEmpty(m_captionId);
  const DialogTemplate* t = FindDialogTemplate(m_templateId);
  return t ? t->caption : std::string();
}

// The sheet is told only while the page is shown: a page object may outlive its sheet.
void CPropertyPage::SetModified(bool changed) {
  m_modified = changed;
  if (IsCreated() && m_sheet) m_sheet->PageModified(this, changed);
}

void CPropertyPage::CancelToClose() {
  if (IsCreated() && m_sheet) m_sheet->CancelToClose();
}

bool CPropertyPage::OnApply() {
  OnOK();
  return true;
}

// ---------------------------------------------------------------- sheet

CPropertySheet::CPropertySheet(const std::string& caption, CWnd* parent, UINT selectPage)
    : m_caption(caption), m_parent(parent), m_active(static_cast<int>(selectPage)) {}

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT selectPage)
    : CPropertySheet(LoadStringOrEmpty(captionId), parent, selectPage) {}

// Pages are not touched here: a derived sheet's page members are already gone.
CPropertySheet::~CPropertySheet() {
  if (m_hWnd) DestroyWindow();
  m_buttons.clear();
}

void CPropertySheet::AddPage(CPropertyPage* page) {
  if (!page || std::find(m_pages.begin(), m_pages.end(), page) != m_pages.end()) return;
  page->m_sheet = this;
  m_pages.push_back(page);
}

void CPropertySheet::RemovePage(int index) {
  if (index < 0 || index >= GetPageCount()) return;
  CPropertyPage* page = m_pages[index];
  if (page->IsCreated()) page->DestroyWindow();
  page->m_sheet = nullptr;
  m_pages.erase(m_pages.begin() + index);
  bool wasActive = index == m_active;
  if (m_active > index || m_active >= GetPageCount()) --m_active;
  if (m_active < 0) m_active = 0;
  if (m_running && wasActive && !m_pages.empty()) ActivatePage(m_active);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? m_pages[index] : nullptr;
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(m_active); }

bool CPropertySheet::SetActivePage(int index) {
  if (index < 0 || index >= GetPageCount()) return false;
  if (!m_running) {
    m_active = index;
    return true;
  }
  if (index == m_active) return true;
  int previous = m_active;
  CPropertyPage* old = GetActivePage();
  if (old && old->IsCreated()) {
    if (!old->OnKillActive()) return false;
    old->ShowWindow(SW_HIDE);
  }
  if (ActivatePage(index)) return true;
  if (old && old->IsCreated()) {
    m_active = previous;
    old->OnSetActive();
    old->ShowWindow(SW_SHOW);
  }
  return false;
}

bool CPropertySheet::CreatePage(int index) {
  CPropertyPage* page = m_pages[index];
  if (page->IsCreated()) return true;
  page->m_sheet = this;
  page->m_modified = false;
  if (!page->CreateFromTemplate(this, true)) return false;
  if (!page->IsCreated()) return false;  // its OnInitDialog destroyed it
  page->ShowWindow(SW_HIDE);               // until it becomes the active page
  page->MoveWindow(CRect(m_pageRect.left, m_pageRect.top, m_pageRect.left + page->Template()->size.cx,
                         m_pageRect.top + page->Template()->size.cy));
  return true;
}

bool CPropertySheet::ActivatePage(int index) {
  if (!CreatePage(index)) return false;
  CPropertyPage* page = m_pages[index];
  if (!page->OnSetActive() || !page->IsCreated()) return false;
  m_active = index;
  page->ShowWindow(SW_SHOW);
  if (CDialogItem* first = page->FirstFocusable()) first->SetFocus();
  return true;
}

void CPropertySheet::CreateButtons(const CRect& client) {
  int x = client.right - kMargin - kButtonWidth * 4 - kButtonGap * 3;
  int y = client.bottom - kMargin - kButtonHeight;
  for (const SheetButton& b : kSheetButtons) {
    ControlTemplate t;
    t.kind = b.kind;
    t.id = b.id;
    t.text = b.text;
    t.rect = CRect(x, y, x + kButtonWidth, y + kButtonHeight);
    t.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | b.extraStyle;
    auto button = std::make_unique<CDialogItem>(t);
    if (button->CreateEx(0, ControlKindName(t.kind), t.text, t.style, t.rect, this, static_cast<UINT>(t.id)))
      m_buttons.push_back(std::move(button));
    x += kButtonWidth + kButtonGap;
  }
}

INT_PTR CPropertySheet::DoModal() {
  if (m_running || m_hWnd || m_pages.empty()) return -1;
  CSize pageSize(4 * kButtonWidth + 3 * kButtonGap, 50);
  for (CPropertyPage* page : m_pages) {
    if (const DialogTemplate* t = FindDialogTemplate(page->TemplateId())) {
      pageSize.cx = std::max(pageSize.cx, t->size.cx);
      pageSize.cy = std::max(pageSize.cy, t->size.cy);
    }
  }
  m_pageRect = CRect(kMargin, kMargin + kTabHeight, kMargin + pageSize.cx, kMargin + kTabHeight + pageSize.cy);
  CRect client(0, 0, m_pageRect.right + kMargin, m_pageRect.bottom + 2 * kMargin + kButtonHeight);
  m_ended = false;
  m_result = IDCANCEL;
  CWnd* owner = m_parent ? m_parent : AfxGetMainWnd();
  if (!CreateEx(0, "PropertySheet", m_caption, WS_VISIBLE, client, owner, 0)) return -1;
  CreateButtons(client);
  SendMessage(WM_INITDIALOG);
  m_running = true;
  if (m_active < 0 || m_active >= GetPageCount()) m_active = 0;
  bool shown = m_hWnd && ActivatePage(m_active);
  if (shown && !m_ended) UI().RunModalSheet(*this);
  int result = !shown ? -1 : m_ended ? m_result : IDCANCEL;
  m_running = false;
  DestroyPages();
  if (m_hWnd) DestroyWindow();
  m_buttons.clear();
  return result;
}

void CPropertySheet::DestroyPages() {
  for (CPropertyPage* page : m_pages) {
    if (page->IsCreated()) page->DestroyWindow();
  }
}

void CPropertySheet::EndDialog(int result) {
  m_ended = true;
  m_result = result;
}

CDialogItem* CPropertySheet::Button(int id) const {
  for (const auto& button : m_buttons) {
    if (button->m_hWnd && static_cast<int>(button->GetDlgCtrlID()) == id) return button.get();
  }
  return nullptr;
}

bool CPropertySheet::IsButtonUsable(int id) const {
  CDialogItem* button = Button(id);
  return button && button->IsUsable();
}

bool CPropertySheet::PressButton(int id) {
  if (!IsButtonUsable(id)) return false;
  return Button(id)->UserClick();
}

bool CPropertySheet::PreTranslateMessage(MSG* msg) {
  if (msg->message != WM_KEYDOWN) return false;
  if (msg->wParam == VK_RETURN) {
    auto* focus = dynamic_cast<CDialogItem*>(FromHandle(msg->hwnd));  // the key's window has the focus
    if (focus && focus->WantsReturn()) return false;
    PressButton(IDOK);
    return true;
  }
  if (msg->wParam == VK_ESCAPE) {
    PressButton(IDCANCEL);
    return true;
  }
  return false;
}

// ---------------------------------------------------------------- buttons' work

void CPropertySheet::FinishWithOK() {
  CPropertyPage* active = GetActivePage();
  if (active && active->IsCreated() && !active->OnKillActive()) return;
  if (!ApplyPages()) return;
  EndDialog(IDOK);
}

// Every page that was shown applies its changes, in page order; the first refusal stops.
bool CPropertySheet::ApplyPages() {
  for (CPropertyPage* page : std::vector<CPropertyPage*>(m_pages)) {
    if (page->IsCreated() && !page->OnApply()) return false;
  }
  return true;
}

void CPropertySheet::ApplyModifiedPages() {
  CPropertyPage* active = GetActivePage();
  if (active && active->IsCreated() && !active->OnKillActive()) return;
  for (CPropertyPage* page : std::vector<CPropertyPage*>(m_pages)) {
    if (!page->IsCreated() || !page->IsModified()) continue;
    if (!page->OnApply()) {
      UpdateApplyButton();
      return;
    }
    page->m_modified = false;
  }
  UpdateApplyButton();
}

void CPropertySheet::ResetPagesAndCancel() {
  for (CPropertyPage* page : std::vector<CPropertyPage*>(m_pages)) {
    if (page->IsCreated()) page->OnReset();
  }
  EndDialog(IDCANCEL);
}

void CPropertySheet::UpdateApplyButton() {
  CDialogItem* apply = Button(ID_APPLY_NOW);
  if (!apply) return;
  bool any = std::any_of(m_pages.begin(), m_pages.end(),
                         [](const CPropertyPage* page) { return page->IsCreated() && page->IsModified(); });
  apply->EnableWindow(any);
}

void CPropertySheet::PageModified(CPropertyPage*, bool) { UpdateApplyButton(); }

void CPropertySheet::CancelToClose() {
  if (CDialogItem* ok = Button(IDOK)) ok->SetWindowText("Close");
  if (CDialogItem* cancel = Button(IDCANCEL)) cancel->EnableWindow(false);
}

bool CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) != BN_CLICKED) return CWnd::OnCommand(wParam, lParam);
  switch (LOWORD(wParam)) {
    case IDOK:
      FinishWithOK();
      return true;
    case IDCANCEL:
      ResetPagesAndCancel();
      return true;
    case ID_APPLY_NOW:
      ApplyModifiedPages();
      return true;
    case IDHELP:
      return true;
    default:
      return CWnd::OnCommand(wParam, lParam);
  }
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog() ? 1 : 0;
    case WM_CLOSE:
      // The close box cancels, also when the Cancel button is hidden or disabled.
      ResetPagesAndCancel();
      return 0;
    case WM_NCDESTROY:
      m_buttons.clear();
      return 0;
    default:
      return CWnd::WindowProc(message, wParam, lParam);
  }
}

// ---------------------------------------------------------------- description

std::vector<std::string> DescribeSheet(const CPropertySheet& sheet) {
  std::vector<std::string> lines{sheet.m_hWnd ? sheet.GetWindowText() : sheet.Caption()};
  std::string pages = "  Pages:";
  for (int i = 0; i < sheet.GetPageCount(); ++i) {
    std::string title = sheet.GetPage(i)->Title();
    pages += (i == 0 ? " " : " | ") + (i == sheet.GetActiveIndex() ? "[" + title + "]" : title);
  }
  lines.push_back(pages);
  CPropertyPage* active = sheet.GetActivePage();
  if (active && active->IsCreated()) {
    std::vector<std::string> page = active->Describe();
    lines.insert(lines.end(), page.begin() + 1, page.end());
  }
  for (const auto& b : kSheetButtons) {
    if (sheet.IsButtonUsable(b.id)) lines.push_back("  <" + PlainMenuText(sheet.Button(b.id)->GetWindowText()) + ">");
  }
  return lines;
}
