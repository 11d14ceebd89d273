// The host's Advanced Reset dialog: which values a reset sets back to those
// the simulation specifies, whether the simulated time goes back to 0, and
// whether the runs' diagnostics go. OK resets by what is checked.
#pragma once

#include "platform/Dialog.h"
#include "workbench/run/SimulationRun.h"

class CAdvancedResetDialog : public CDialog {
 public:
  explicit CAdvancedResetDialog(CWnd* parent = nullptr);
  // What was checked when OK closed the dialog.
  const CSimulationRun::ResetScope& Scope() const { return m_scope; }

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;

 private:
  CSimulationRun::ResetScope m_scope;
  int m_free = 1, m_states = 1, m_derivatives = 1, m_time = 1, m_diagnostics = 0;
};
