#include "explorer/nodes/flowsheet/StructureCommands.h"

#include "explorer/nodes/flowsheet/ExploreInstance.h"
#include "explorer/nodes/flowsheet/GraphicalCopy.h"
#include "explorer/resources/CommandIds.h"

bool DoStructureCommand(CExplorerObject& node, IFInstance* instance, UINT id) {
  switch (id) {
    case ID_EXPLORER_EXPLORE:
      ExploreInstance(node, instance);
      return true;
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT:
      graphical_copy::CopyOrCutStructure(CComPtr<IFInstance>(instance), id == ID_EXPLORER_CUT);
      return true;
    case ID_EXPLORER_DELETE:
      node.SelfDestruct(1);
      return true;
    case ID_EXPLORER_RENAME:
      node.StartLabelEdit();
      return true;
    default:
      return false;
  }
}
