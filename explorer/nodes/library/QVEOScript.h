// A script (a Visual Basic script the host runs) of a library, of the
// simulation's types, of a model, or of a flowsheet or block: edited in the
// host's text editor, invoked, copied, deleted and given a new name. Scripts
// of the simulation and of the flowsheet can be invoked; scripts of blocks
// inside the flowsheet cannot. While the application runs, scripts are locked.
#pragma once

#include <string>

#include "explorer/core/ExplorerObject.h"
#include "host/store/IFType.h"

class CQVEOScript : public CExplorerObject {
 public:
  // ownerInstance: the host object that owns the script (a palette owner's
  // instance, a flowsheet or a block); script: the script type.
  CQVEOScript(IFInstance* ownerInstance, IFType* script, CWnd* owner, int readOnly);
  // The same with the instance that stands for the script (the factory's form).
  CQVEOScript(IFInstance* ownerInstance, IFInstance* script, CWnd* owner, int readOnly);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  // Aspect 0: the script's name ("Script" when empty); aspect 1: "Script".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  DWORD DoDragDrop() override;
  int SelfDestruct(int confirm) override;
  int DontEditLabel() override;
  int EditLabel(std::string newName) override;

  bool IsInvocable() const { return m_bInvocable; }
  bool IsTopLevel() const { return m_bTopLevel; }
  bool IsEditable() const { return m_bEditable; }
  void EditScript();
  void InvokeScript();

 private:
  CComPtr<IFType> ScriptType();
  std::string ScriptName();
  void CopyToClipboard();
  void PasteFromClipboard();

  CComPtr<IFInstance> m_pOwnerInstance;
  std::string m_strOwnerPath;
  bool m_bEditable = false;
  bool m_bInvocable = false;
  bool m_bTopLevel = false;
};
