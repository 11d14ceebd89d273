#include "workbench/run/AdvancedResetDialog.h"

#include "host/HostDialogIds.h"
#include "workbench/run/RunDialogTemplates.h"

CAdvancedResetDialog::CAdvancedResetDialog(CWnd* parent)
    : CDialog((RegisterRunDialogTemplates(), IDD_HOST_ADVANCED_RESET), parent) {}

void CAdvancedResetDialog::DoDataExchange(CDataExchange* dx) {
  DDX_Check(dx, IDC_HOST_RESET_FREE, m_free);
  DDX_Check(dx, IDC_HOST_RESET_STATES, m_states);
  DDX_Check(dx, IDC_HOST_RESET_DERIVATIVES, m_derivatives);
  DDX_Check(dx, IDC_HOST_RESET_TIME, m_time);
  DDX_Check(dx, IDC_HOST_RESET_DIAGNOSTICS, m_diagnostics);
}
