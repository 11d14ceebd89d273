// The name dialog of a new parameter type (template 13669): the name and the
// kind, 0 Integer, 1 Logical, 2 Real, 3 String in the buttons' tab order;
// OK waits for both.
#pragma once

#include "explorer/dialogs/ExplorerNameDialogBase.h"

constexpr UINT IDD_EXPLORER_PARAMETER_NAME = 13669;
constexpr int IDC_PARAMETER_INTEGER = 14051;
constexpr int IDC_PARAMETER_LOGICAL = 14053;
constexpr int IDC_PARAMETER_REAL = 14050;
constexpr int IDC_PARAMETER_STRING = 14052;

class CQVExplorerParameterName : public CQVExplorerNameDialogBase {
 public:
  CQVExplorerParameterName(UINT captionId, CWnd* parent);

  int m_nKind = -1;  // -1 until a kind is chosen

 protected:
  bool ChoicesComplete() const override { return m_nKind > -1; }
  void DoDataExchange(CDataExchange* dx) override;
  bool OnControlCommand(int id, UINT code) override;
};
