#include "explorer/core/ExplorerNodeFactory.h"

#include <map>
#include <new>

#include "explorer/core/ExplorerObject.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/nodes/diagnostics/QVEODiagnostic.h"
#include "explorer/nodes/diagnostics/QVEOWarning.h"
#include "explorer/nodes/flowsheet/QVEOBlock.h"
#include "explorer/nodes/flowsheet/QVEOFlowsheet.h"
#include "explorer/nodes/flowsheet/QVEOFlowsheetFolder.h"
#include "explorer/nodes/flowsheet/QVEOGlobalStructure.h"
#include "explorer/nodes/flowsheet/QVEOStream.h"
#include "explorer/nodes/flowsheet/QVEOStructureContainer.h"
#include "explorer/nodes/library/AddEntries.h"
#include "explorer/nodes/library/QVEOBlockType.h"
#include "explorer/nodes/library/QVEOBlockTypes.h"
#include "explorer/nodes/library/QVEOComponentList.h"
#include "explorer/nodes/library/QVEOComponentLists.h"
#include "explorer/nodes/library/QVEOControllerType.h"
#include "explorer/nodes/library/QVEOFlowsheetText.h"
#include "explorer/nodes/library/QVEOFormInstance.h"
#include "explorer/nodes/library/QVEOFunction.h"
#include "explorer/nodes/library/QVEOGlobalStructureType.h"
#include "explorer/nodes/library/QVEOGlobalStructureTypes.h"
#include "explorer/nodes/library/QVEOIcon.h"
#include "explorer/nodes/library/QVEOLibrary.h"
#include "explorer/nodes/library/QVEOModelText.h"
#include "explorer/nodes/library/QVEOParameterType.h"
#include "explorer/nodes/library/QVEOParameterTypes.h"
#include "explorer/nodes/library/QVEOPortType.h"
#include "explorer/nodes/library/QVEOPortTypes.h"
#include "explorer/nodes/library/QVEOProcedure.h"
#include "explorer/nodes/library/QVEOProcedures.h"
#include "explorer/nodes/library/QVEOScript.h"
#include "explorer/nodes/library/QVEOScriptFolder.h"
#include "explorer/nodes/library/QVEOStreamType.h"
#include "explorer/nodes/library/QVEOStreamTypes.h"
#include "explorer/nodes/library/QVEOTask.h"
#include "explorer/nodes/library/QVEOTaskFolder.h"
#include "explorer/nodes/library/QVEOTypesFolder.h"
#include "explorer/nodes/library/QVEOUserFolder.h"
#include "explorer/nodes/library/QVEOVariableType.h"
#include "explorer/nodes/library/QVEOVariableTypes.h"
#include "explorer/nodes/simulation/QVEOGlobals.h"
#include "explorer/nodes/simulation/QVEOLaunchDialog.h"
#include "explorer/nodes/simulation/QVEOLaunchFolders.h"
#include "explorer/nodes/simulation/QVEOLibraries.h"
#include "explorer/nodes/simulation/QVEOSimulation.h"
#include "explorer/nodes/simulation/QVEOSolverOptions.h"
#include "explorer/nodes/simulation/QVEOUOM.h"
#include "explorer/nodes/simulation/QVEOUOMs.h"

// I: the instance, L: the exclusion list, W: the owner window. A node class is
// registered by replacing its nullptr with a maker, for example
//   [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
//     return new CQVEOLibrary(i, l, w, 1);
//   }
const std::vector<ExplorerNodeFactoryEntry>& ExplorerNodeFactoryTable() {
  static const std::vector<ExplorerNodeFactoryEntry> table = {
      // 1. (I, L, W)
      {&CLSID_QVEOSimulation, "CQVEOSimulation",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOSimulation(i, l, w);
       }},
      // 2. (I, L, W, read-only 1)
      {&CLSID_QVEOLibrary, "CQVEOLibrary",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOLibrary(i, l, w, 1);
       }},
      // 3. (I, L, W)
      {&CLSID_QVEOFlowsheet, "CQVEOFlowsheet",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOFlowsheet(i, l, w);
       }},
      // 4. (I, L, W)
      {&CLSID_QVEOBlockFolder, "CQVEOBlockFolder",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOBlockFolder(i, l, w);
       }},
      // 5. (I, L, W)
      {&CLSID_QVEOStreamFolder, "CQVEOStreamFolder",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOStreamFolder(i, l, w);
       }},
      // 6. (I, L, W, 0)
      {&CLSID_QVEOVariableTypes, "CQVEOVariableTypes",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOVariableTypes(i, l, w, 0);
       }},
      // 7. (I, L, W, 0)
      {&CLSID_QVEOPortTypes, "CQVEOPortTypes",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOPortTypes(i, l, w, 0);
       }},
      // 8. (I, L, W, 0)
      {&CLSID_QVEOProcedures, "CQVEOProcedures",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOProcedures(i, l, w, 0);
       }},
      // 9. (I, L, W)
      {&CLSID_QVEOComponentLists, "CQVEOComponentLists",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOComponentLists(i, l, w);
       }},
      // 10. (I, L, W, 0)
      {&CLSID_QVEOBlockType, "CQVEOBlockType",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOBlockType(i, l, w, 0);
       }},
      // 11. (I, L, W, 0)
      {&CLSID_QVEOStreamType, "CQVEOStreamType",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOStreamType(i, l, w, 0);
       }},
      // 12. (I, L, W, 0)
      {&CLSID_QVEOControllerType, "CQVEOControllerType",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOControllerType(i, l, w, 0);
       }},
      // 13. (I, L, W)
      {&CLSID_QVEOBlock, "CQVEOBlock",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOBlock(i, l, w);
       }},
      // 14. (I, L, W)
      {&CLSID_QVEOStream, "CQVEOStream",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOStream(i, l, w);
       }},
      // 15. (I, W, 0)
      {&CLSID_QVEOVariableType, "CQVEOVariableType",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOVariableType(i, w, 0);
       }},
      // 16. (I, W, 0)
      {&CLSID_QVEOPortType, "CQVEOPortType",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOPortType(i, w, 0);
       }},
      // 17. (I, W, 0)
      {&CLSID_QVEOProcedure, "CQVEOProcedure",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOProcedure(i, w, 0);
       }},
      // 18. (no form, no owner, no parent node, 0, 0): answers only class id, name and icon
      {&CLSID_QVEOFormInstance, "CQVEOFormInstance",
       [](IFInstance*, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOFormInstance(nullptr, nullptr, nullptr, 0, w, 0);
       }},
      // 19. (I, W, no parent node, 0)
      {&CLSID_QVEOIcon, "CQVEOIcon",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOIcon(i, w, nullptr, 0);
       }},
      // 20. (I, "", W)
      {&CLSID_QVEOComponentList, "CQVEOComponentList",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOComponentList(i, "", w);
       }},
      // 21. (I, W)
      {&CLSID_QVEOSolverOptions, "CQVEOSolverOptions",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOSolverOptions(i, w);
       }},
      // 22. (W)
      {&CLSID_QVEOSimulationOptions, "CQVEOSimulationOptions",
       [](IFInstance*, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOSimulationOptions(w, l);
       }},
      // 23. (I, W)
      {&CLSID_QVEOAddVariableType, "CQVEOAddVariableType",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOAddVariableType(i, w);
       }},
      // 24. (I, W)
      {&CLSID_QVEOAddPortType, "CQVEOAddPortType",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOAddPortType(i, w);
       }},
      // 25. (I, W)
      {&CLSID_QVEOAddProcedure, "CQVEOAddProcedure",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOAddProcedure(i, w);
       }},
      // 26. (I, W)
      {&CLSID_QVEOAddFormInstance, "CQVEOAddFormInstance",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOAddFormInstance(i, w);
       }},
      // 27. (I, W)
      {&CLSID_QVEOAddIcon, "CQVEOAddIcon",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOAddIcon(i, w);
       }},
      // 28. (I, W, no folder)
      {&CLSID_QVEOAddModel, "CQVEOAddModel",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOAddModel(i, w);
       }},
      // 29. (I, W)
      {&CLSID_QVEOAddStreamType, "CQVEOAddStreamType",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOAddStreamType(i, w);
       }},
      // 30. (I, W)
      {&CLSID_QVEOAddComponentList, "CQVEOAddComponentList",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOAddComponentList(i, w);
       }},
      // 31. (I, W)
      {&CLSID_QVEOAddScript, "CQVEOAddScript",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOAddScript(i, w);
       }},
      // 32. (I, I, W, 0): the instance as script and as owner instance
      {&CLSID_QVEOScript, "CQVEOScript",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOScript(i, i, w, 0);
       }},
      // 33. (I, W)
      {&CLSID_QVEOAddLibrary, "CQVEOAddLibrary",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOAddLibrary(i, w);
       }},
      // 34. (I, W, 0)
      {&CLSID_QVEOAddTask, "CQVEOAddTask",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOAddTask(i, w, 0);
       }},
      // 35. (I, W, 0, task owner 1, no owner instance)
      {&CLSID_QVEOTask, "CQVEOTask",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOTask(i, w, 0, EO_TASK_SHOWN_FOR_INSTANCE, nullptr);
       }},
      // 36. (I, L, W, 0)
      {&CLSID_QVEOTaskFolder, "CQVEOTaskFolder",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOTaskFolder(i, l, w, 0);
       }},
      // 37. (I, W, 0)
      {&CLSID_QVEOModelText, "CQVEOModelText",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOModelText(i, w, 0);
       }},
      // 38. (I, W, 0, 0)
      {&CLSID_QVEOFlowsheetText, "CQVEOFlowsheetText",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOFlowsheetText(i, w, 0, 0);
       }},
      // 39. (I, W)
      {&CLSID_QVEOAddParameterType, "CQVEOAddParameterType",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOAddParameterType(i, w);
       }},
      // 40. (I, L, W, 0)
      {&CLSID_QVEOParameterTypes, "CQVEOParameterTypes",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOParameterTypes(i, l, w, 0);
       }},
      // 41. (I, W, 0)
      {&CLSID_QVEOParameterType, "CQVEOParameterType",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOParameterType(i, w, 0);
       }},
      // 42. (I, L, W, 0)
      {&CLSID_QVEOBlockTypes, "CQVEOBlockTypes",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOBlockTypes(i, l, w, 0);
       }},
      // 43. (I, L, W, 0)
      {&CLSID_QVEOStreamTypes, "CQVEOStreamTypes",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOStreamTypes(i, l, w, 0);
       }},
      // 44. (I, W, no folder name)
      {&CLSID_QVEOAddUserFolder, "CQVEOAddUserFolder",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOAddUserFolder(i, w, std::string());
       }},
      // 45. (I, L, W, no folder, 0)
      {&CLSID_QVEOUserFolder, "CQVEOUserFolder",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOUserFolder(i, l, w, nullptr, 0);
       }},
      // 46. (I, L, W, 0)
      {&CLSID_QVEOTypesFolder, "CQVEOTypesFolder",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOTypesFolder(i, l, w, 0);
       }},
      // 47. (I, L, W)
      {&CLSID_QVEODiagnostic, "CQVEODiagnostic",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEODiagnostic(i, l, w);
       }},
      // 48. (I, L, W, 0)
      {&CLSID_QVEOScriptFolder, "CQVEOScriptFolder",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOScriptFolder(i, l, w, 0);
       }},
      // 49. (W, no text)
      {&CLSID_QVEOWarning, "CQVEOWarning",
       [](IFInstance*, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOWarning(w, std::string());
       }},
      // 50. (I, L, W, 0)
      {&CLSID_QVEOStructureContainer, "CQVEOStructureContainer",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOStructureContainer(i, l, w, 0);
       }},
      // 51. (I, L, W)
      {&CLSID_QVEOGlobalStructure, "CQVEOGlobalStructure",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOGlobalStructure(i, l, w);
       }},
      // 52. (I, W, no folder)
      {&CLSID_QVEOAddStructure, "CQVEOAddStructure",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOAddStructure(i, w);
       }},
      // 53. (I, L, W, 0)
      {&CLSID_QVEOGlobalStructureType, "CQVEOGlobalStructureType",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOGlobalStructureType(i, l, w, 0);
       }},
      // 54. (I, L, W, 0)
      {&CLSID_QVEOGlobalStructureTypes, "CQVEOGlobalStructureTypes",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOGlobalStructureTypes(i, l, w, 0);
       }},
      // 55. (I, W, 0)
      {&CLSID_QVEOFunction, "CQVEOFunction",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOFunction(i, w, 0);
       }},
      // 56. (I, W)
      {&CLSID_QVEOAddFunction, "CQVEOAddFunction",
       [](IFInstance* i, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOAddFunction(i, w);
       }},
      // 57. (I, W)
      {&CLSID_QVEOGlobals, "CQVEOGlobals",
       [](IFInstance* i, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOGlobals(i, w, l);
       }},
      // 58. (dialog type 0, W): "Run Options"
      {&CLSID_QVEOLaunchDialog, "CQVEOLaunchDialog",
       [](IFInstance*, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* {
         return new CQVEOLaunchDialog(EODialogRunOptions, w);
       }},
      // 59. (W)
      {&CLSID_QVEOLibraries, "CQVEOLibraries",
       [](IFInstance*, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOLibraries(w, l);
       }},
      // 60. (W)
      {&CLSID_QVEOInterfacing, "CQVEOInterfacing",
       [](IFInstance*, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOInterfacing(w, l);
       }},
      // 61. (W)
      {&CLSID_QVEOUOMs, "CQVEOUOMs",
       [](IFInstance*, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOUOMs(w, l);
       }},
      // 62. ("None", W)
      {&CLSID_QVEOUOM, "CQVEOUOM",
       [](IFInstance*, CExplorerExclusionList*, CWnd* w) -> CExplorerObject* { return new CQVEOUOM("None", w); }},
      // 63. (W)
      {&CLSID_QVEOAnalysisTools, "CQVEOAnalysisTools",
       [](IFInstance*, CExplorerExclusionList* l, CWnd* w) -> CExplorerObject* {
         return new CQVEOAnalysisTools(w, l);
       }},
  };
  return table;
}

const std::vector<const GUID*>& ExplorerNodeClassesNotManufactured() {
  static const std::vector<const GUID*> classes = {
      &CLSID_QVEODecomposition,
      &CLSID_QVEOGroup,
      &CLSID_QVEOEquation,
      &CLSID_QVEOTornGroup,
      &CLSID_QVEOVariable,
      &CLSID_QVEOEquivalenceHolder,
      &CLSID_QVEOEquivalence,
      &CLSID_QVEOGroupOverflowHolder,
      &CLSID_QVEOEquivalenceOverflowHolder,
      &CLSID_QVEOAddHelpInstance,
      &CLSID_QVEOAddGlobalTable,
      &CLSID_QVEOConfigure_Props,
  };
  return classes;
}

namespace {

std::map<GUID, ExplorerNodeMaker>& StandInMakers() {
  static std::map<GUID, ExplorerNodeMaker> makers;
  return makers;
}

}  // namespace

CScopedNodeMaker::CScopedNodeMaker(REFGUID classId, ExplorerNodeMaker make) : m_classId(classId), m_previous(nullptr) {
  auto& makers = StandInMakers();
  auto it = makers.find(classId);
  if (it != makers.end()) m_previous = it->second;
  makers[classId] = make;
}

CScopedNodeMaker::~CScopedNodeMaker() {
  if (m_previous) {
    StandInMakers()[m_classId] = m_previous;
  } else {
    StandInMakers().erase(m_classId);
  }
}

CExplorerObject* CQVExplorer::Manufacture(REFGUID classId, IFInstance* instance,
                                         CExplorerExclusionList* exclusionList, CWnd* owner) {
  for (const ExplorerNodeFactoryEntry& entry : ExplorerNodeFactoryTable()) {
    if (*entry.classId != classId) continue;
    auto standIn = StandInMakers().find(classId);
    ExplorerNodeMaker make = standIn != StandInMakers().end() ? standIn->second : entry.make;
    if (!make) return nullptr;
    try {
      return make(instance, exclusionList, owner);
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
  }
  return nullptr;
}
