// The name dialog of a new component list (template 13668): the name, and
// whether the list uses physical properties (0, a list) or not (1, a set).
#pragma once

#include "explorer/dialogs/ExplorerNameDialogBase.h"

constexpr UINT IDD_EXPLORER_COMPONENT_LIST_NAME = 13668;
constexpr int IDC_USE_PHYSICAL_PROPERTIES = 14096;
constexpr int IDC_NO_PHYSICAL_PROPERTIES = 14095;

class CQVExplorerComponentListName : public CQVExplorerNameDialogBase {
 public:
  CQVExplorerComponentListName(UINT captionId, CWnd* parent);

  int m_nChoice = 0;  // 0: a list using physical properties, 1: a set

 protected:
  void DoDataExchange(CDataExchange* dx) override;
};
