#include "explorer/dialogs/QVEDecompositionPropertySheet.h"

#include "explorer/core/DiagnosticsNames.h"
#include "explorer/dialogs/QVEDiagnosticPropSheet.h"
#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/Resources.h"

CQVEDecompositionPropertyPage::CQVEDecompositionPropertyPage(IZNDecompGroup* group)
    : CTextFieldsPage(IDD_UNCONVERGED_GROUP), m_pGroup(group) {}

void CQVEDecompositionPropertyPage::FillTexts() {
  const struct {
    int labelId;
    UINT labelText;
  } labels[] = {{IDC_GROUP_NUMBER_LABEL, IDS_GROUP_NUMBER},
                {IDC_GROUP_TYPE_LABEL, IDS_GROUP_TYPE},
                {IDC_GROUP_EQUATIONS_LABEL, IDS_NUMBER_OF_EQUATIONS},
                {IDC_GROUP_VARIABLES_LABEL, IDS_NUMBER_OF_VARIABLES},
                {IDC_GROUP_NON_ZEROS_LABEL, IDS_NUMBER_OF_NON_ZEROS}};
  if (!m_pGroup) {
    // Nothing failed: the one text says so, the labels and values stay empty.
    for (const auto& label : labels) SetFieldText(label.labelId, std::string());
    SetFieldText(IDC_ALL_GROUPS_CONVERGED, LoadStringOrEmpty(IDS_ALL_GROUPS_ARE_CONVERGED));
    return;
  }
  for (const auto& label : labels) SetFieldText(label.labelId, LoadStringOrEmpty(label.labelText));
  auto value = [this](HRESULT (IZNDecompGroup::*get)(int*)) {
    int number = 0;
    (m_pGroup.Get()->*get)(&number);
    return number;
  };
  SetFieldText(IDC_GROUP_NUMBER, std::to_string(value(&IZNDecompGroup::GetNumber)));
  SetFieldText(IDC_GROUP_TYPE, GroupTypeName(value(&IZNDecompGroup::GetType)));
  SetFieldText(IDC_GROUP_EQUATIONS, std::to_string(value(&IZNDecompGroup::GetEquationCount)));
  SetFieldText(IDC_GROUP_VARIABLES, std::to_string(value(&IZNDecompGroup::GetVariableCount)));
  SetFieldText(IDC_GROUP_NON_ZEROS, std::to_string(value(&IZNDecompGroup::GetNonZeroCount)));
}

bool CQVEDecompositionPropertyPage::OnInitDialog() {
  CancelToClose();
  SetModified(false);
  FillTexts();
  return CTextFieldsPage::OnInitDialog();
}

CQVEDecompositionPropertySheet::CQVEDecompositionPropertySheet(const std::string& caption, CWnd* parent)
    : CQVHelpPropertySheet(caption, parent) {}

CQVEDecompositionPropertySheet::~CQVEDecompositionPropertySheet() = default;

INT_PTR CQVEDecompositionPropertySheet::DoModal(IZNDecompGroup* firstUnconverged) {
  if (!m_page) {
    m_page = std::make_unique<CQVEDecompositionPropertyPage>(firstUnconverged);
    AddPage(m_page.get());
  }
  return CQVHelpPropertySheet::DoModal();
}

bool CQVEDecompositionPropertySheet::OnInitDialog() {
  const bool result = CQVHelpPropertySheet::OnInitDialog();
  KeepOnlyCloseButton(*this);
  return result;
}
