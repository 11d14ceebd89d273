#include "explorer/dialogs/ExplorerParameterName.h"

CQVExplorerParameterName::CQVExplorerParameterName(UINT captionId, CWnd* parent)
    : CQVExplorerNameDialogBase(IDD_EXPLORER_PARAMETER_NAME, captionId, parent) {}

void CQVExplorerParameterName::DoDataExchange(CDataExchange* dx) {
  CQVExplorerNameDialogBase::DoDataExchange(dx);
  DDX_Radio(dx, IDC_PARAMETER_INTEGER, m_nKind);
}

bool CQVExplorerParameterName::OnControlCommand(int id, UINT code) {
  bool kindButton = id == IDC_PARAMETER_INTEGER || id == IDC_PARAMETER_LOGICAL || id == IDC_PARAMETER_REAL ||
                    id == IDC_PARAMETER_STRING;
  if (kindButton && code == BN_CLICKED) {
    UpdateData(true);
    UpdateOkButton();
    return true;
  }
  return CQVExplorerNameDialogBase::OnControlCommand(id, code);
}
