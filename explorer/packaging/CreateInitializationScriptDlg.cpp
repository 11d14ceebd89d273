#include "explorer/packaging/CreateInitializationScriptDlg.h"

#include "explorer/core/QVExplorer.h"
#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "explorer/window/ExplorerFrame.h"

CCreateInitializationScriptDlg::CCreateInitializationScriptDlg(CExplorerFrame* frame)
    : CDialog(IDD_INITIALIZATION_SCRIPT, frame), m_pFrame(frame) {}

bool CCreateInitializationScriptDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (CDialogItem* preSolve = Item(IDC_SCRIPT_VB_PRESOLVE)) preSolve->SetCheck(BST_CHECKED);
  if (CDialogItem* ebSolve = Item(IDC_SCRIPT_EBSOLVE)) ebSolve->SetCheck(BST_UNCHECKED);
  if (CDialogItem* blocks = Item(IDC_SCRIPT_MODEL)) {
    for (const std::string& name : m_pFrame->m_ModelList) blocks->AddString(name);
    if (blocks->GetCount() > 0) blocks->SetCurSel(0);
  }
  return true;
}

bool CCreateInitializationScriptDlg::ConfirmReplace() {
  const std::string text = std::string(12, ' ') + "This script already exists." + "\nDo you want to replace it with a new one ?";
  return CQVExplorer::ShowMessage(text, "Save Model Initialization Script", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CCreateInitializationScriptDlg::OnOK() {
  m_pFrame->m_bConfirmed = 1;
  m_pFrame->m_strSelectedBlockName = GetDlgItemText(IDC_SCRIPT_MODEL);
  const CDialogItem* preSolve = Item(IDC_SCRIPT_VB_PRESOLVE);
  const CDialogItem* ebSolve = Item(IDC_SCRIPT_EBSOLVE);
  bool exists = false;
  if (preSolve && preSolve->GetCheck() == BST_CHECKED) {
    m_pFrame->m_nScriptKind = 0;
    exists = m_pFrame->m_bPreSolveExists != 0;
  } else if (ebSolve && ebSolve->GetCheck() == BST_CHECKED) {
    m_pFrame->m_nScriptKind = 1;
    exists = m_pFrame->m_bEBSolveExists != 0;
  }
  if (exists && !ConfirmReplace()) m_pFrame->m_bConfirmed = 0;
  EndDialog(IDOK);
}
