#include "explorer/dialogs/CustomModelingProperties.h"

#include "platform/UserInterface.h"

CCustomModelingProperties::CCustomModelingProperties(const std::string& caption, CWnd* owner)
    : CPropertySheet(caption, owner) {
  m_folderPage.SetOwner(owner);
  AddPage(&m_folderPage);
  m_folderPage.LoadFolders();
}

bool CCustomModelingProperties::OnInitDialog() {
  const bool result = CPropertySheet::OnInitDialog();
  for (int id : {IDHELP, ID_APPLY_NOW})
    if (CDialogItem* button = Button(id)) button->ShowWindow(SW_HIDE);
  return result;
}

bool CCustomModelingProperties::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED && GetActivePage() == &m_folderPage &&
      m_folderPage.IsCreated() && m_folderPage.FindDuplicateDescription()) {
    AfxMessageBox(m_folderPage.DuplicateMessage(), MB_OK | MB_ICONEXCLAMATION, "Folder Properties");
    return true;
  }
  return CPropertySheet::OnCommand(wParam, lParam);
}
