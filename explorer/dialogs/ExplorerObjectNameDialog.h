// The plain name dialog that asks for the name of most new
// objects, and of a copy whose name is taken.
#pragma once

#include "explorer/dialogs/ExplorerNameDialogBase.h"
#include "explorer/resources/DialogIds.h"

class CQVExplorerObjectNameDialog : public CQVExplorerNameDialogBase {
 public:
  CQVExplorerObjectNameDialog(UINT captionId, CWnd* parent)
      : CQVExplorerNameDialogBase(IDD_EXPLORER_OBJECT_NAME, captionId, parent) {}
};
