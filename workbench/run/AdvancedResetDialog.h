// The host's Advanced Reset dialog: which values a reset sets back to those
// the simulation specifies, whether the simulated time goes back to 0, and
// whether the runs' diagnostics go. It opens checked as Reset does it; OK
// resets by what is checked.
#pragma once

#include "platform/Dialog.h"
#include "workbench/run/SimulationRun.h"

class CAdvancedResetDialog : public CDialog {
 public:
  explicit CAdvancedResetDialog(CWnd* parent = nullptr);
  // What is checked.
  CSimulationRun::ResetScope Scope() const {
    return {m_free != 0, m_states != 0, m_derivatives != 0, m_time != 0, m_diagnostics != 0};
  }

 protected:
  void DoDataExchange(CDataExchange* dx) override;

 private:
  static constexpr CSimulationRun::ResetScope kPlain{};
  int m_free = kPlain.free, m_states = kPlain.states, m_derivatives = kPlain.derivatives, m_time = kPlain.time,
      m_diagnostics = kPlain.diagnostics;
};
