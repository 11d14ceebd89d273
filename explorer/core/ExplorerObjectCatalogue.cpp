#include "explorer/core/ExplorerObjectCatalogue.h"

#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "platform/RegistryText.h"

const std::vector<ExcludableClass>& ExcludableNodeClasses() {
  // The classes a container makes as children, which a user may want out of sight.
  static const std::vector<ExcludableClass> classes = {
      {"Flowsheet", &CLSID_QVEOFlowsheet},
      {"BlockFolder", &CLSID_QVEOBlockFolder},
      {"StreamFolder", &CLSID_QVEOStreamFolder},
      {"Block", &CLSID_QVEOBlock},
      {"Stream", &CLSID_QVEOStream},
      {"TypesFolder", &CLSID_QVEOTypesFolder},
      {"Libraries", &CLSID_QVEOLibraries},
      {"Library", &CLSID_QVEOLibrary},
      {"ComponentLists", &CLSID_QVEOComponentLists},
      {"ComponentList", &CLSID_QVEOComponentList},
      {"Diagnostic", &CLSID_QVEODiagnostic},
      {"Globals", &CLSID_QVEOGlobals},
      {"SimulationOptions", &CLSID_QVEOSimulationOptions},
      {"SolverOptions", &CLSID_QVEOSolverOptions},
      {"AnalysisTools", &CLSID_QVEOAnalysisTools},
      {"UOMs", &CLSID_QVEOUOMs},
      {"Interfacing", &CLSID_QVEOInterfacing},
      {"VariableTypes", &CLSID_QVEOVariableTypes},
      {"VariableType", &CLSID_QVEOVariableType},
      {"PortTypes", &CLSID_QVEOPortTypes},
      {"PortType", &CLSID_QVEOPortType},
      {"Procedures", &CLSID_QVEOProcedures},
      {"Procedure", &CLSID_QVEOProcedure},
      {"Function", &CLSID_QVEOFunction},
      {"ParameterTypes", &CLSID_QVEOParameterTypes},
      {"ParameterType", &CLSID_QVEOParameterType},
      {"BlockTypes", &CLSID_QVEOBlockTypes},
      {"BlockType", &CLSID_QVEOBlockType},
      {"StreamTypes", &CLSID_QVEOStreamTypes},
      {"StreamType", &CLSID_QVEOStreamType},
      {"ControllerType", &CLSID_QVEOControllerType},
      {"GlobalStructureTypes", &CLSID_QVEOGlobalStructureTypes},
      {"GlobalStructureType", &CLSID_QVEOGlobalStructureType},
      {"StructureContainer", &CLSID_QVEOStructureContainer},
      {"GlobalStructure", &CLSID_QVEOGlobalStructure},
      {"TaskFolder", &CLSID_QVEOTaskFolder},
      {"Task", &CLSID_QVEOTask},
      {"ScriptFolder", &CLSID_QVEOScriptFolder},
      {"Script", &CLSID_QVEOScript},
      {"UserFolder", &CLSID_QVEOUserFolder},
      {"ModelText", &CLSID_QVEOModelText},
      {"FlowsheetText", &CLSID_QVEOFlowsheetText},
      {"FormInstance", &CLSID_QVEOFormInstance},
      {"Icon", &CLSID_QVEOIcon},
      {"AddModel", &CLSID_QVEOAddModel},
      {"AddStreamType", &CLSID_QVEOAddStreamType},
      {"AddVariableType", &CLSID_QVEOAddVariableType},
      {"AddPortType", &CLSID_QVEOAddPortType},
      {"AddParameterType", &CLSID_QVEOAddParameterType},
      {"AddProcedure", &CLSID_QVEOAddProcedure},
      {"AddFunction", &CLSID_QVEOAddFunction},
      {"AddComponentList", &CLSID_QVEOAddComponentList},
      {"AddScript", &CLSID_QVEOAddScript},
      {"AddTask", &CLSID_QVEOAddTask},
      {"AddLibrary", &CLSID_QVEOAddLibrary},
      {"AddUserFolder", &CLSID_QVEOAddUserFolder},
      {"AddStructure", &CLSID_QVEOAddStructure},
      {"AddIcon", &CLSID_QVEOAddIcon},
      {"AddFormInstance", &CLSID_QVEOAddFormInstance},
  };
  return classes;
}

std::string ExplorerObjectCatalogueText() {
  std::string text = std::string(kRegistryTextHeader) + "\n\n[HKEY_LOCAL_MACHINE\\" +
                     CQVExplorer::GetExplorerObjectsKeyName() + "]\n";
  for (const ExcludableClass& entry : ExcludableNodeClasses())
    text += "\"" + std::string(entry.name) + "\"=\"" + entry.classId->ToString() + "\"\n";
  return text;
}
