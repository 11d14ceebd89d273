// The icons of a model (the pictures of its blocks on the flowsheet) and which
// of them is the default. Asked by query from the model's type or IRModelType.
#pragma once

#include <string>

#include "host/com/Unknown.h"

struct IQVIcon;

inline const IID IID_IQVIconCollection = GUID::FromString("{B19E42B3-7889-11D0-A91B-0000C0A118DB}");

struct IQVIconCollection : IUnknown {
  static const IID& Iid() { return IID_IQVIconCollection; }

  virtual HRESULT GetIconCount(int* count) = 0;
  virtual HRESULT GetIcon(int index, IQVIcon** icon) = 0;
  virtual HRESULT FindIcon(const std::string& name, IQVIcon** icon) = 0;
  // A new, empty icon in the model's palette, attached to the model; FE_NAMEEXISTS when the name is taken.
  virtual HRESULT CreateIcon(const std::string& name, IQVIcon** icon) = 0;
  // FE_INUSE for an icon in use and for the "System" icon.
  virtual HRESULT RemoveIcon(const std::string& name) = 0;
  virtual HRESULT RenameIcon(const std::string& oldName, const std::string& newName) = 0;
  virtual HRESULT GetDefaultIcon(std::string& name) = 0;
  virtual HRESULT SetDefaultIcon(const std::string& name) = 0;
  // Tells the model that its icons changed (after an icon's data was written).
  virtual HRESULT IconsChanged() = 0;
};
