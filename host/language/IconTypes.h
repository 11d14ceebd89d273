// The host's icon types: making, editing and deleting the icons of a model.
// FE_NOSERVICE while none is installed (HostService<IQVIconTypes>).
#pragma once

#include <string>

#include "host/com/HostService.h"
#include "platform/Types.h"

struct IFInstance;
struct IQVIcon;

class IQVIconTypes {
 public:
  virtual ~IQVIconTypes() = default;
  virtual HRESULT CreateIconType(IFInstance* owner, const std::string& name, IQVIcon** icon) = 0;
  virtual HRESULT EditIconType(IFInstance* owner, const std::string& name) = 0;
  virtual HRESULT DeleteIconType(IFInstance* owner, const std::string& name) = 0;
};

// A new icon of the owner's model; FE_NAMEEXISTS when the name is taken. icon may be null.
HRESULT QVCreateIconType(IFInstance* owner, const std::string& name, IQVIcon** icon);
// Opens the host's icon editor on the owner's icon called name.
HRESULT QVEditIconType(IFInstance* owner, const std::string& name);
// Removes the owner's icon called name; FE_INUSE for an icon in use or the "System" icon.
HRESULT QVDeleteIconType(IFInstance* owner, const std::string& name);
