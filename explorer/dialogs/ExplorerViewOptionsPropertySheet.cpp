#include "explorer/dialogs/ExplorerViewOptionsPropertySheet.h"

#include "explorer/dialogs/PropPageViewOptionsFilter.h"

CExplorerViewOptionsPropertySheet::CExplorerViewOptionsPropertySheet(UINT captionId, CExplorerContainerObject* root,
                                                                     CWnd* parent)
    : CQVHelpPropertySheet(captionId, parent), m_pRoot(root) {}

CExplorerViewOptionsPropertySheet::~CExplorerViewOptionsPropertySheet() = default;

INT_PTR CExplorerViewOptionsPropertySheet::DoModal() {
  if (!m_filterPage) {
    m_filterPage = std::make_unique<CPropPageViewOptionsFilter>(m_pRoot);
    AddPage(m_filterPage.get());
  }
  return CQVHelpPropertySheet::DoModal();
}

bool CExplorerViewOptionsPropertySheet::OnInitDialog() {
  for (int id : {IDHELP, ID_APPLY_NOW}) {
    if (CDialogItem* button = Button(id)) button->ShowWindow(SW_HIDE);
  }
  return CQVHelpPropertySheet::OnInitDialog();
}
