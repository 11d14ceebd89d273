#include "explorer/dialogs/QVNotesPropertySheet.h"

INT_PTR CQVNotesPropertySheet::RunReopening(int notesPage) {
  for (;;) {
    m_bReopen = false;
    INT_PTR result = CPropertySheet::DoModal();
    if (!m_bReopen || result < 0) return result;
    SetActivePage(notesPage);
  }
}

bool CQVNotesPropertySheet::OnInitDialog() {
  ModifyStyleEx(0, WS_EX_CONTEXTHELP);
  bool result = CPropertySheet::OnInitDialog();
  for (int id : {ID_APPLY_NOW, IDHELP}) {
    if (CDialogItem* button = Button(id)) button->ShowWindow(SW_HIDE);
  }
  if (CDialogItem* cancel = Button(IDCANCEL)) {
    cancel->ShowWindow(SW_SHOW);
    cancel->EnableWindow(true);
  }
  if (CDialogItem* ok = Button(IDOK)) {
    ok->ShowWindow(SW_SHOW);
    ok->SetWindowText("OK");
  }
  return result;
}
