// The forms a model, structure or the simulation owns (tables, plots, profile
// plots, custom forms and the model help form "$Model_Help$"), and which of
// them is the default. Asked by query from a type, or from IRModelType::GetForms.
#pragma once

#include <string>

#include "host/com/Unknown.h"

struct IQVFormDef;

inline const IID IID_IQVFormContainer = GUID::FromString("{34295FBE-78DE-11D4-805A-00C04F89DD44}");

// What AddForm does.
constexpr int QV_ADDFORM_NEW = 0;   // the host asks the user for a new form and makes it
constexpr int QV_ADDFORM_HELP = 1;  // the model help form, made when missing, is opened

struct IQVFormContainer : IUnknown {
  static const IID& Iid() { return IID_IQVFormContainer; }

  virtual HRESULT GetFormCount(int* count) = 0;
  // The form at index (0 to count - 1), in the order the container keeps them.
  virtual HRESULT GetForm(int index, IQVFormDef** form) = 0;
  virtual HRESULT FindForm(const std::string& name, IQVFormDef** form) = 0;
  // A new form of a kind (HostClassIds.h) from a definition text (may be empty);
  // FE_NAMEEXISTS when the name is taken. flags as given.
  virtual HRESULT CreateForm(const std::string& name, REFCLSID kind, DWORD flags, const std::string& text,
                             IQVFormDef** form) = 0;
  // QV_ADDFORM_NEW or QV_ADDFORM_HELP; S_FALSE when the user cancelled.
  virtual HRESULT AddForm(int mode) = 0;
  // FE_INUSE while the form is open elsewhere.
  virtual HRESULT RemoveForm(const std::string& name) = 0;
  virtual HRESULT RenameForm(const std::string& oldName, const std::string& newName) = 0;
  virtual HRESULT GetDefaultForm(std::string& name) = 0;
  virtual HRESULT SetDefaultForm(const std::string& name) = 0;
};
