#include "explorer/dialogs/QVEDiagnosticPropSheet.h"

#include "explorer/core/DiagnosticsNames.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/services/IQVSolverOptions.h"

void KeepOnlyCloseButton(CPropertySheet& sheet) {
  CDialogItem* ok = sheet.Button(IDOK);
  CDialogItem* help = sheet.Button(IDHELP);
  if (ok && help) {
    CRect place;
    help->GetWindowRect(&place);
    sheet.ScreenToClient(&place);
    ok->MoveWindow(place);
  }
  for (int id : {ID_APPLY_NOW, IDHELP, IDCANCEL}) {
    if (CDialogItem* button = sheet.Button(id)) button->ShowWindow(SW_HIDE);
  }
}

CQVEDiagnosticPropPage::CQVEDiagnosticPropPage(int runMode)
    : CTextFieldsPage(IDD_DIAGNOSTIC_GENERAL), m_runMode(runMode) {}

bool CQVEDiagnosticPropPage::ReadSolverProperty(const std::string& name, int& value) {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IQVSolverOptions> solver;
  VARIANT property;
  if (!document || FAILED(document->GetSolver(&solver)) || !solver || FAILED(solver->GetProperty(name, &property)))
    return false;
  if (property.vt == VT_I4) {
    value = static_cast<int>(property.lVal);
    return true;
  }
  if (property.vt == VT_BOOL) {
    value = property.boolVal ? 1 : 0;
    return true;
  }
  return false;
}

void CQVEDiagnosticPropPage::FillTexts() {
  auto number = [](const char* name) {
    int value = 0;
    if (!ReadSolverProperty(name, value)) value = 0;
    return std::to_string(value);
  };
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  SetFieldText(IDC_PRINT_LEVEL, std::to_string(document ? document->GetPrintLevel() : 0));
  SetFieldText(IDC_PROPERTIES_PRINT_LEVEL, number("Propinfo"));
  SetFieldText(IDC_WATCH_GROUP, number("WatchGroup"));
  int check = 0;
  SetFieldText(IDC_CHECK_PROCEDURE_DERIVATIVES, ReadSolverProperty("CheckProcDerivs", check) && check ? "Yes" : "No");
  SetFieldText(IDC_HIGHEST_RESIDUALS, number("Nonlinear.Hiresidual"));
  SetFieldText(IDC_HIGHEST_VARIABLE_STEPS, number("Nonlinear.HiVarSteps"));
  SetFieldText(IDC_LINEAR_ALGEBRA_BLOCK_SIZE, number("Nonlinear.MathsPrint"));
  SetFieldText(IDC_RUN_MODE, RunModeName(m_runMode));
}

bool CQVEDiagnosticPropPage::OnInitDialog() {
  CancelToClose();
  SetModified(false);
  FillTexts();
  return CTextFieldsPage::OnInitDialog();
}

CQVEDiagnosticPropSheet::CQVEDiagnosticPropSheet(UINT captionId, int runMode, CWnd* parent)
    : CQVHelpPropertySheet(captionId, parent), m_runMode(runMode) {}

CQVEDiagnosticPropSheet::~CQVEDiagnosticPropSheet() = default;

INT_PTR CQVEDiagnosticPropSheet::DoModal() {
  if (!m_page) {
    m_page = std::make_unique<CQVEDiagnosticPropPage>(m_runMode);
    AddPage(m_page.get());
  }
  return CQVHelpPropertySheet::DoModal();
}

bool CQVEDiagnosticPropSheet::OnInitDialog() {
  const bool result = CQVHelpPropertySheet::OnInitDialog();
  KeepOnlyCloseButton(*this);
  return result;
}
