#include "workbench/run/PauseAtDialog.h"

#include "host/HostDialogIds.h"
#include "platform/UserInterface.h"
#include "workbench/run/OptionFields.h"
#include "workbench/run/RunDialogTemplates.h"
#include "workbench/run/SimulationRun.h"

CPauseAtDialog::CPauseAtDialog(CSimulationRun& run, CWnd* parent)
    : CDialog((RegisterRunDialogTemplates(), IDD_HOST_PAUSE_AT), parent), m_run(run) {}

bool CPauseAtDialog::OnInitDialog() {
  // The pause already asked for, or the simulated time to start from.
  m_time = OptionNumberText(m_run.PauseTime() ? *m_run.PauseTime() : m_run.SimulatedTime());
  return CDialog::OnInitDialog();
}

void CPauseAtDialog::DoDataExchange(CDataExchange* dx) { DDX_Text(dx, IDC_HOST_PAUSE_TIME, m_time); }

void CPauseAtDialog::OnOK() {
  if (!UpdateData(true)) return;
  double time = 0.0;
  if (!ReadOptionField(*this, IDC_HOST_PAUSE_TIME, "pause time", 0.0, true, false, time)) return;
  std::string why;
  if (!m_run.PauseAt(time, &why)) {
    MessageBox(m_hWnd, why, "Pause At", MB_OK | MB_ICONEXCLAMATION);
    if (CDialogItem* item = Item(IDC_HOST_PAUSE_TIME)) item->SetFocus();
    return;
  }
  EndDialog(IDOK);
}
