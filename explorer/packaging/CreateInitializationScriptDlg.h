// "Create Initialization Script": the block whose values the script takes
// (the blocks of the selected model, from the frame's model list) and the
// script kind. The choice is left in the frame; a script the frame already
// has is replaced only when the person agrees.
#pragma once

#include "platform/Dialog.h"

class CExplorerFrame;

class CCreateInitializationScriptDlg : public CDialog {
 public:
  explicit CCreateInitializationScriptDlg(CExplorerFrame* frame);

 protected:
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  // Whether the person lets an existing script be replaced.
  bool ConfirmReplace();

  CExplorerFrame* m_pFrame;
};
