// The icon-type service (QVCreateIconType, QVEditIconType, QVDeleteIconType):
// icons of the model behind an owner instance. Editing a picture is the
// application's icon editor, installed as a hook.
#pragma once

#include <functional>

#include "host/language/IconTypes.h"

class CIconTypeService : public IQVIconTypes {
 public:
  // The application's icon editor on the owner's icon called name.
  std::function<HRESULT(IFInstance* owner, const std::string& name)> onEdit;

  HRESULT CreateIconType(IFInstance* owner, const std::string& name, IQVIcon** icon) override;
  // FE_NOTFOUND for an unknown icon; FE_NOSERVICE without an editor.
  HRESULT EditIconType(IFInstance* owner, const std::string& name) override;
  HRESULT DeleteIconType(IFInstance* owner, const std::string& name) override;
};
