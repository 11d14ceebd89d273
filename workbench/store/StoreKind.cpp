#include "workbench/store/StoreKind.h"

#include <array>

#include "host/store/HostClassIds.h"

namespace {

struct KindInfo {
  StoreKind kind;
  CLSID classId;
  std::string_view folder;
  std::string_view compiledFolder;
  std::string_view noun;
};

// Class identifiers made up for the store's kinds, except those the host names.
const std::array<KindInfo, 16>& Kinds() {
  static const std::array<KindInfo, 16> kinds = {{
      {StoreKind::Simulation, GUID::FromString("{7E5A0101-3C2B-4A8D-B0F1-6D2C9A4E8B01}"), {}, {}, "simulation"},
      {StoreKind::Library, GUID::FromString("{7E5A0102-3C2B-4A8D-B0F1-6D2C9A4E8B01}"), {}, {}, "library"},
      {StoreKind::Flowsheet, CLSID_QVHierarchyType, kBlockTypeFolder, kCompiledModelFolder, "flowsheet"},
      {StoreKind::Model, GUID::FromString("{7E5A0104-3C2B-4A8D-B0F1-6D2C9A4E8B01}"), kBlockTypeFolder,
       kCompiledModelFolder, "model"},
      {StoreKind::Controller, GUID::FromString("{7E5A0105-3C2B-4A8D-B0F1-6D2C9A4E8B01}"), kBlockTypeFolder,
       kCompiledModelFolder, "controller"},
      {StoreKind::Stream, GUID::FromString("{7E5A0106-3C2B-4A8D-B0F1-6D2C9A4E8B01}"), kStreamTypeFolder,
       kCompiledModelFolder, "stream type"},
      {StoreKind::Structure, GUID::FromString("{7E5A0107-3C2B-4A8D-B0F1-6D2C9A4E8B01}"), kStructureTypeFolder,
       kCompiledModelFolder, "structure type"},
      {StoreKind::Variable, GUID::FromString("{7E5A0108-3C2B-4A8D-B0F1-6D2C9A4E8B01}"), kVariableTypeFolder,
       kCompiledVariableTypeFolder, "variable type"},
      {StoreKind::Parameter, GUID::FromString("{7E5A0109-3C2B-4A8D-B0F1-6D2C9A4E8B01}"), kParameterTypeFolder,
       kCompiledVariableTypeFolder, "parameter type"},
      {StoreKind::Port, GUID::FromString("{7E5A010A-3C2B-4A8D-B0F1-6D2C9A4E8B01}"), kPortTypeFolder,
       kCompiledModelFolder, "port type"},
      {StoreKind::Procedure, GUID::FromString("{7E5A010B-3C2B-4A8D-B0F1-6D2C9A4E8B01}"), kProcTypeFolder,
       kCompiledProcedureFolder, "procedure"},
      {StoreKind::Function, GUID::FromString("{7E5A010C-3C2B-4A8D-B0F1-6D2C9A4E8B01}"), kFunctionTypeFolder,
       kCompiledProcedureFolder, "function"},
      {StoreKind::Task, GUID::FromString("{7E5A010D-3C2B-4A8D-B0F1-6D2C9A4E8B01}"), kTaskTypeFolder,
       kCompiledTaskTypeFolder, "task"},
      {StoreKind::Script, CLSID_QVScriptType, kScriptTypeFolder, {}, "script"},
      {StoreKind::Icon, GUID::FromString("{7E5A010F-3C2B-4A8D-B0F1-6D2C9A4E8B01}"), kIconTypeFolder, {}, "icon"},
      {StoreKind::Form, CLSID_QVTableForm, {}, {}, "form"},
  }};
  return kinds;
}

const KindInfo& Info(StoreKind kind) { return Kinds()[static_cast<std::size_t>(kind)]; }

}  // namespace

bool IsFormClass(REFCLSID id) {
  return id == CLSID_QVTableForm || id == CLSID_QVPlotForm || id == CLSID_QVProfileForm || id == CLSID_QVCustomForm ||
         id == CLSID_QVModelHelpForm;
}

const CLSID& StoreKindClassId(StoreKind kind) { return Info(kind).classId; }

std::optional<StoreKind> StoreKindFromClassId(REFCLSID classId) {
  if (IsFormClass(classId)) return StoreKind::Form;
  for (const KindInfo& info : Kinds())
    if (info.classId == classId) return info.kind;
  return std::nullopt;
}

std::string_view KindFolderName(StoreKind kind) { return Info(kind).folder; }
std::string_view CompiledFolderName(StoreKind kind) { return Info(kind).compiledFolder; }
std::string_view StoreKindNoun(StoreKind kind) { return Info(kind).noun; }

StoreKind StoreKindOf(DefinitionKind kind) {
  switch (kind) {
    case DefinitionKind::Model: return StoreKind::Model;
    case DefinitionKind::Controller: return StoreKind::Controller;
    case DefinitionKind::Stream: return StoreKind::Stream;
    case DefinitionKind::Structure: return StoreKind::Structure;
    case DefinitionKind::Variable: return StoreKind::Variable;
    case DefinitionKind::Parameter: return StoreKind::Parameter;
    case DefinitionKind::Port: return StoreKind::Port;
    case DefinitionKind::Procedure: return StoreKind::Procedure;
    case DefinitionKind::Function: return StoreKind::Function;
    case DefinitionKind::Task: return StoreKind::Task;
  }
  return StoreKind::Model;
}

std::optional<DefinitionKind> DefinitionKindOf(StoreKind kind) {
  switch (kind) {
    case StoreKind::Model: return DefinitionKind::Model;
    case StoreKind::Flowsheet: return DefinitionKind::Model;  // a flowsheet is written as a model
    case StoreKind::Controller: return DefinitionKind::Controller;
    case StoreKind::Stream: return DefinitionKind::Stream;
    case StoreKind::Structure: return DefinitionKind::Structure;
    case StoreKind::Variable: return DefinitionKind::Variable;
    case StoreKind::Parameter: return DefinitionKind::Parameter;
    case StoreKind::Port: return DefinitionKind::Port;
    case StoreKind::Procedure: return DefinitionKind::Procedure;
    case StoreKind::Function: return DefinitionKind::Function;
    case StoreKind::Task: return DefinitionKind::Task;
    default: return std::nullopt;
  }
}

bool IsCompiledKind(StoreKind kind) { return !CompiledFolderName(kind).empty(); }

bool OwnsPalette(StoreKind kind) {
  switch (kind) {
    case StoreKind::Simulation:
    case StoreKind::Library:
    case StoreKind::Flowsheet:
    case StoreKind::Model:
    case StoreKind::Controller:
    case StoreKind::Stream:
    case StoreKind::Structure: return true;
    default: return false;
  }
}

bool IsModelLike(StoreKind kind) {
  switch (kind) {
    case StoreKind::Flowsheet:
    case StoreKind::Model:
    case StoreKind::Controller:
    case StoreKind::Stream:
    case StoreKind::Structure: return true;
    default: return false;
  }
}
