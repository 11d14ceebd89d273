#include "explorer/nodes/flowsheet/GraphicalCopy.h"

#include "host/com/ComPtr.h"
#include "host/model/IQVGraphicalCopy.h"
#include "host/model/IQVStructure.h"
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

bool CopyOrCutStructure(IFInstance* structure, bool cut) {
  CComPtr<IQVStructure> copy = ComQuery<IQVStructure>(structure);
  if (!copy) return false;
  return SUCCEEDED(cut ? copy->Cut() : copy->Copy());
}

}  // namespace graphical_copy
