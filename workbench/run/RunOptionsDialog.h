// The host's Run Options dialog: a dynamic run's end time and reporting
// interval, and the run mode, kept among the solver options (and so in the
// simulation file). OK writes them only when every field will do.
#pragma once

#include <string>

#include "platform/Dialog.h"

class CSolverOptions;

class CRunOptionsDialog : public CDialog {
 public:
  CRunOptionsDialog(CSolverOptions& options, CWnd* parent = nullptr);
  // Whether OK changed any option.
  bool Changed() const { return m_changed; }

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnOK() override;

 private:
  CSolverOptions& m_options;
  std::string m_endTime;
  std::string m_interval;
  int m_mode = -1;  // position of the checked run mode; -1 for a mode the dialog does not offer
  bool m_changed = false;
};
