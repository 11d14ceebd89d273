#include "workbench/run/AdvancedResetDialog.h"

#include "host/HostDialogIds.h"
#include "workbench/run/RunDialogTemplates.h"

CAdvancedResetDialog::CAdvancedResetDialog(CWnd* parent)
    : CDialog((RegisterRunDialogTemplates(), IDD_HOST_ADVANCED_RESET), parent) {}

bool CAdvancedResetDialog::OnInitDialog() {
  // Checked as Reset does it.
  const CSimulationRun::ResetScope plain;
  m_free = plain.free;
  m_states = plain.states;
  m_derivatives = plain.derivatives;
  m_time = plain.time;
  m_diagnostics = plain.diagnostics;
  return CDialog::OnInitDialog();
}

void CAdvancedResetDialog::DoDataExchange(CDataExchange* dx) {
  DDX_Check(dx, IDC_HOST_RESET_FREE, m_free);
  DDX_Check(dx, IDC_HOST_RESET_STATES, m_states);
  DDX_Check(dx, IDC_HOST_RESET_DERIVATIVES, m_derivatives);
  DDX_Check(dx, IDC_HOST_RESET_TIME, m_time);
  DDX_Check(dx, IDC_HOST_RESET_DIAGNOSTICS, m_diagnostics);
  m_scope = {m_free != 0, m_states != 0, m_derivatives != 0, m_time != 0, m_diagnostics != 0};
}
