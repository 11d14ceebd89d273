// One component list of the simulation's physical-properties configuration:
// a list that uses physical properties, or a set that does not. It is no host
// type: every operation names it to the document's properties object. The
// list "Default" can be neither deleted nor renamed.
#pragma once

#include <functional>
#include <string>

#include "explorer/core/ExplorerObject.h"
#include "host/services/IQVPhysicalProperties.h"

class CQVEOComponentList : public CExplorerObject {
 public:
  CQVEOComponentList(IFInstance* instance, const std::string& name, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  // A component list is there as long as its row.
  int IsValid() override { return 1; }

  // Aspect 0: the name; 1: "Set" or "List"; 7: the property file ("None" for
  // a set, "Missing" for a list without one).
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  // Deletes the list (asking first when confirm is set); 1 when deleted.
  int SelfDestruct(int confirm) override;
  int DontEditLabel() override;
  // Renames the list; always 0: the pane shows the refreshed name.
  int EditLabel(std::string newName) override;

  const std::string& GetName() const { return m_strName; }
  // The list called "Default" (any case) stays as it is.
  bool IsDefaultList() const;
  bool IsSet();
  void CopyToClipboard();

 private:
  CComPtr<IQVPhysicalProperties> Properties();
  // Runs request; while properties are not configured, offers to configure them and tries once more.
  void RunConfigured(const std::function<HRESULT(IQVPhysicalProperties&)>& request);
  void Paste();

  std::string m_strName;
};
