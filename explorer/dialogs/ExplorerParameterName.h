// The name dialog of a new parameter type: the name and the
// kind, 0 Integer, 1 Logical, 2 Real, 3 String in the buttons' tab order;
// OK waits for both.
#pragma once

#include "explorer/dialogs/ExplorerNameDialogBase.h"
#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"

class CQVExplorerParameterName : public CQVExplorerNameDialogBase {
 public:
  CQVExplorerParameterName(UINT captionId, CWnd* parent);

  int m_nKind = -1;  // -1 until a kind is chosen

 protected:
  bool ChoicesComplete() const override { return m_nKind > -1; }
  void DoDataExchange(CDataExchange* dx) override;
  bool OnControlCommand(int id, UINT code) override;
};
