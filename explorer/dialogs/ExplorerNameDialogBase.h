// What the three name dialogs share: a caption chosen by the caller from the
// string table, the name edit (IDC_OBJECT_NAME) that takes the focus, OK enabled only
// while a name is typed (and whatever else the dialog needs is chosen), and a
// name checked by the host's naming rule before the dialog closes with OK.
#pragma once

#include <string>

#include "explorer/resources/ControlIds.h"
#include "platform/Dialog.h"

class CQVExplorerNameDialogBase : public CDialog {
 public:
  // The name typed; set it before DoModal to propose one.
  std::string m_strName;

  const std::string& Caption() const { return m_caption; }

 protected:
  CQVExplorerNameDialogBase(UINT templateId, UINT captionId, CWnd* parent);

  // Further conditions for OK besides a name (the parameter kind).
  virtual bool ChoicesComplete() const { return true; }
  // Brings OK's state up to date with the edit and the choices.
  void UpdateOkButton();

  bool OnInitDialog() override;
  void OnOK() override;
  void DoDataExchange(CDataExchange* dx) override;
  bool OnControlCommand(int id, UINT code) override;

 private:
  std::string m_caption;
};
