#include "explorer/dialogs/ExplorerNameDialogBase.h"

#include "explorer/resources/ControlIds.h"
#include "host/framework/CQVGeneralUtil.h"
#include "platform/Resources.h"

CQVExplorerNameDialogBase::CQVExplorerNameDialogBase(UINT templateId, UINT captionId, CWnd* parent)
    : CDialog(templateId, parent), m_caption(LoadStringOrEmpty(captionId)) {}

void CQVExplorerNameDialogBase::DoDataExchange(CDataExchange* dx) { DDX_Text(dx, IDC_OBJECT_NAME, m_strName); }

bool CQVExplorerNameDialogBase::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(m_caption);
  UpdateOkButton();
  GotoDlgCtrl(Item(IDC_OBJECT_NAME));
  return false;  // the focus is set
}

void CQVExplorerNameDialogBase::UpdateOkButton() {
  CDialogItem* edit = Item(IDC_OBJECT_NAME);
  CDialogItem* ok = Item(IDOK);
  if (!edit || !ok) return;
  ok->EnableWindow(edit->LineLength() > 0 && ChoicesComplete());
}

bool CQVExplorerNameDialogBase::OnControlCommand(int id, UINT code) {
  if (id == IDC_OBJECT_NAME && code == EN_CHANGE) {
    UpdateOkButton();
    return true;
  }
  return false;
}

void CQVExplorerNameDialogBase::OnOK() {
  if (!UpdateData(true)) return;
  // The host's rule tells the user itself what is wrong with a name.
  if (CQVGeneralUtil::IsValidName(m_strName, nullptr)) {
    EndDialog(IDOK);
    return;
  }
  // OK stays disabled until the name is changed; the name is ready to be
  // typed over (the button that had the focus may just have been disabled).
  if (CDialogItem* ok = Item(IDOK)) ok->EnableWindow(false);
  if (CDialogItem* edit = Item(IDC_OBJECT_NAME)) {
    GotoDlgCtrl(edit);
    edit->SetSel(0, -1);
  }
}
