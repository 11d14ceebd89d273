// Makes forms of a given kind inside an owner's form container (a model, a
// structure type, the simulation): the global-table entry and the structure
// nodes use it.
#pragma once

#include <string>

#include "host/com/ComPtr.h"
#include "host/model/IQVFormContainer.h"
#include "host/store/IFInstance.h"
#include "platform/Guid.h"

class CQVExplorerFormHolder {
 public:
  // owner: the owner's instance (or type); its type answers the form container.
  explicit CQVExplorerFormHolder(IUnknown* owner);

  // A new form called name of kind (a form class id). extra is the control's
  // identifier of a custom form; for plots and profiles it chooses the display:
  // "History" (any case) shows a history, anything else a plot. A taken name
  // tells the user and gives false; any other failure gives false silently.
  bool CreateForm(const std::string& name, REFCLSID kind, DWORD flags, const std::string& extra);

  // The definition text a form of kind starts with.
  static std::string FormDefinitionText(REFCLSID kind, const std::string& extra);

  IQVFormContainer* GetFormContainer() const { return m_pForms; }

 private:
  CComPtr<IQVFormContainer> m_pForms;
};
