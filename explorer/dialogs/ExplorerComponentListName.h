// The name dialog of a new component list: the name, and
// whether the list uses physical properties (0, a list) or not (1, a set).
#pragma once

#include "explorer/dialogs/ExplorerNameDialogBase.h"
#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"

class CQVExplorerComponentListName : public CQVExplorerNameDialogBase {
 public:
  CQVExplorerComponentListName(UINT captionId, CWnd* parent);

  int m_nChoice = 0;  // 0: a list using physical properties, 1: a set

 protected:
  void DoDataExchange(CDataExchange* dx) override;
};
