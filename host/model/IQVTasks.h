// The tasks an owner holds (a palette owner, a flowsheet or block type, an
// instance). Asked by query from the owner.
#pragma once

#include <string>

#include "host/com/Unknown.h"

struct IFType;
struct IQVTask;

// Identifier made up for this interface.
inline const IID IID_IQVTasks = GUID::FromString("{7E5A0017-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVTasks : IUnknown {
  static const IID& Iid() { return IID_IQVTasks; }

  // A new task of that name from its modelling-language text; FE_NAMEEXISTS when taken.
  virtual HRESULT AddTask(const std::string& name, const std::string& text, IFType** task) = 0;
  virtual HRESULT FindTask(const std::string& name, IFType** task) = 0;
  virtual HRESULT IsTaskInUse(const std::string& name, bool* inUse) = 0;
  virtual HRESULT DeleteTask(const std::string& name) = 0;
  // The run state of the named task for this owner.
  virtual HRESULT GetTask(const std::string& name, IQVTask** task) = 0;
};
