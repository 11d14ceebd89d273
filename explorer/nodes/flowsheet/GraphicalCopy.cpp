#include "explorer/nodes/flowsheet/GraphicalCopy.h"

#include "host/com/ComPtr.h"
#include "host/model/IQVGraphicalCopy.h"
#include "platform/Services.h"

namespace graphical_copy {

bool CanCopyCut(IFInstance* unit) {
  CComPtr<IQVGraphicalCopy> copy = ComQuery<IQVGraphicalCopy>(unit);
  bool possible = false;
  return copy && SUCCEEDED(copy->CanCopyCut(&possible)) && possible;
}

bool CopyOrCut(IFInstance* unit, bool cut) {
  // Held here: the host's change notices may delete the node that holds the unit.
  CComPtr<IQVGraphicalCopy> copy = ComQuery<IQVGraphicalCopy>(unit);
  if (!copy || FAILED(copy->Copy())) {
    MessageBeep(0);
    return false;
  }
  return !cut || SUCCEEDED(copy->Delete());
}

}  // namespace graphical_copy
