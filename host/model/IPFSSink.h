// The flowsheet's notifications about the model type being placed and the
// models selected on it, implemented by whoever wants to hear them.
#pragma once

#include "host/model/IRModel.h"

struct IRModelType;

inline const IID IID_IPFSSink = GUID::FromString("{B19E42CB-7889-11D0-A91B-0000C0A118DB}");

struct IPFSSink : IUnknown {
  static const IID& Iid() { return IID_IPFSSink; }

  virtual HRESULT SetModelType(IRModelType* type) = 0;
  virtual HRESULT SelectedModelAdded(IRModel* model) = 0;
  virtual HRESULT SelectedModelRemoved(IRModel* model) = 0;
  virtual HRESULT SelectedModelsCleared() = 0;
  virtual HRESULT SelectedModelsSet(IEnumRModel* models) = 0;
};
