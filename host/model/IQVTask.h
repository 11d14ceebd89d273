// The run state of one task: whether it may be and is activated. Asked by query
// from a task type (its state in the simulation), or from IQVTasks::GetTask.
#pragma once

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IQVTask = GUID::FromString("{7E5A0018-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVTask : IUnknown {
  static const IID& Iid() { return IID_IQVTask; }

  virtual HRESULT IsActive(bool* active) = 0;
  virtual HRESULT IsActivatable(bool* activatable) = 0;
  // Activates or deactivates; a failure code when the task cannot be.
  virtual HRESULT SetActive(bool active) = 0;
};
