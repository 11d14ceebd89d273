// The model of a flowsheet, hierarchy, block or stream instance. Asked by query
// from the instance.
#pragma once

#include <string>

#include "host/com/Enum.h"

struct IFInstance;
struct IRModelType;

// Identifier made up for this interface.
inline const IID IID_IRModel = GUID::FromString("{7E5A0011-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IRModel : IUnknown {
  static const IID& Iid() { return IID_IRModel; }

  virtual HRESULT GetName(std::string& name) = 0;
  // A stream's or block's description text (empty when it has none).
  virtual HRESULT GetDescription(std::string& description) = 0;
  // The model's type object; E_FAIL for a model without a type.
  virtual HRESULT GetModelType(IRModelType** type) = 0;
  // The instance this model belongs to.
  virtual HRESULT GetInstance(IFInstance** instance) = 0;
};

using IEnumRModel = IEnum<IRModel>;
