// One form definition: its name, kind and instance. Form definitions also answer
// IQVDataSource (what the table or plot view shows).
#pragma once

#include <string>

#include "host/com/Unknown.h"

struct IFInstance;

// Identifier made up for this interface.
inline const IID IID_IQVFormDef = GUID::FromString("{7E5A0013-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVFormDef : IUnknown {
  static const IID& Iid() { return IID_IQVFormDef; }

  virtual HRESULT GetName(std::string& name) = 0;
  // The form's kind (HostClassIds.h: table, plot, profile, custom, model help).
  virtual HRESULT GetClassID(CLSID* kind) = 0;
  virtual HRESULT IsReadOnly(bool* readOnly) = 0;
  // The form's own instance (editable only while it is its type's default instance).
  virtual HRESULT GetInstance(IFInstance** instance) = 0;
  // Shows the model help this form holds.
  virtual HRESULT ShowHelp() = 0;
};
