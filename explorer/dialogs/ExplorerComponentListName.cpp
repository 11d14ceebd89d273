#include "explorer/dialogs/ExplorerComponentListName.h"

CQVExplorerComponentListName::CQVExplorerComponentListName(UINT captionId, CWnd* parent)
    : CQVExplorerNameDialogBase(IDD_EXPLORER_COMPONENT_LIST_NAME, captionId, parent) {}

void CQVExplorerComponentListName::DoDataExchange(CDataExchange* dx) {
  CQVExplorerNameDialogBase::DoDataExchange(dx);
  DDX_Radio(dx, IDC_USE_PHYSICAL_PROPERTIES, m_nChoice);
}
