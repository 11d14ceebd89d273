// The host's Pause At dialog: the simulated time at which the active dynamic
// run, or the next one, pauses. OK takes a time only when the run accepts it;
// otherwise it says why and the dialog stays open.
#pragma once

#include <string>

#include "platform/Dialog.h"

class CSimulationRun;

class CPauseAtDialog : public CDialog {
 public:
  CPauseAtDialog(CSimulationRun& run, CWnd* parent = nullptr);

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnOK() override;

 private:
  CSimulationRun& m_run;
  std::string m_time;
};
