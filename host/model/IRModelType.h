// A block, stream or controller type as the flowsheet sees it: what a model
// type node hands to the flowsheet when it is dragged. Asked by query from the
// type or its descriptor (and from a flowsheet instance, for its flowsheet type).
#pragma once

#include <string>

#include "host/com/Unknown.h"

struct IQVFormContainer;

inline const IID IID_IRModelType = GUID::FromString("{B19E42B2-7889-11D0-A91B-0000C0A118DB}");

struct IRModelType : IUnknown {
  static const IID& Iid() { return IID_IRModelType; }

  virtual HRESULT GetName(std::string& name) = 0;
  virtual HRESULT GetDescription(std::string& description) = 0;
  // True for types that may not be turned into an active model.
  virtual HRESULT IsActiveModelExcluded(bool* excluded) = 0;
  // The type's forms.
  virtual HRESULT GetForms(IQVFormContainer** forms) = 0;
};
