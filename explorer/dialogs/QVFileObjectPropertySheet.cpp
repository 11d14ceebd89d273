#include "explorer/dialogs/QVFileObjectPropertySheet.h"

#include "explorer/dialogs/QVPropPageDOF.h"
#include "explorer/dialogs/QVPropPageFileObjectGeneral.h"

CQVFileObjectPropertySheet::CQVFileObjectPropertySheet(const std::string& caption, const std::string& fileName,
                                                       CWnd* parent)
    : CPropertySheet(caption, parent), m_strFileName(fileName) {}

CQVFileObjectPropertySheet::~CQVFileObjectPropertySheet() = default;

void CQVFileObjectPropertySheet::SetStatistics(int equations, int variables, int degreesOfFreedom) {
  m_strEquations = std::to_string(equations);
  m_strVariables = std::to_string(variables);
  m_strDegreesOfFreedom = std::to_string(degreesOfFreedom);
  m_bStatistics = 1;
}

INT_PTR CQVFileObjectPropertySheet::DoModal() {
  if (!m_generalPage) {
    m_generalPage = std::make_unique<CQVPropPageFileObjectGeneral>(m_strFileName);
    AddPage(m_generalPage.get());
  }
  if (m_bStatistics && !m_dofPage) {
    m_dofPage = std::make_unique<CQVPropPageDOF>(m_strEquations, m_strVariables, m_strDegreesOfFreedom);
    AddPage(m_dofPage.get());
  }
  return CPropertySheet::DoModal();
}

bool CQVFileObjectPropertySheet::OnInitDialog() {
  ModifyStyleEx(0, WS_EX_CONTEXTHELP);
  bool result = CPropertySheet::OnInitDialog();
  CDialogItem* ok = Button(IDOK);
  CDialogItem* help = Button(IDHELP);
  if (ok && help) {
    CRect helpPlace;
    help->GetWindowRect(&helpPlace);
    ScreenToClient(&helpPlace);
    ok->MoveWindow(helpPlace);
  }
  for (int id : {ID_APPLY_NOW, IDHELP, IDCANCEL}) {
    if (CDialogItem* button = Button(id)) button->ShowWindow(SW_HIDE);
  }
  return result;
}
