// The plain name dialog (template 13628) that asks for the name of most new
// objects, and of a copy whose name is taken.
#pragma once

#include "explorer/dialogs/ExplorerNameDialogBase.h"

constexpr UINT IDD_EXPLORER_OBJECT_NAME = 13628;

class CQVExplorerObjectNameDialog : public CQVExplorerNameDialogBase {
 public:
  CQVExplorerObjectNameDialog(UINT captionId, CWnd* parent)
      : CQVExplorerNameDialogBase(IDD_EXPLORER_OBJECT_NAME, captionId, parent) {}
};
