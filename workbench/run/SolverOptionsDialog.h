// The host's Solver Options dialog: tolerances, iteration limits, the print
// level, "Compression" and the diagnostic settings the diagnostics page reads
// ("Propinfo", "WatchGroup", "CheckProcDerivs", "Nonlinear.Hiresidual",
// "Nonlinear.HiVarSteps", "Nonlinear.MathsPrint"). OK writes them only when
// every field will do.
#pragma once

#include "platform/Dialog.h"

class CSolverOptions;

class CSolverOptionsDialog : public CDialog {
 public:
  CSolverOptionsDialog(CSolverOptions& options, CWnd* parent = nullptr);
  // Whether OK changed any option.
  bool Changed() const { return m_changed; }

 protected:
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  CSolverOptions& m_options;
  bool m_changed = false;
};
