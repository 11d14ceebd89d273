// The kinds of definition the store keeps, with what goes with each kind: the
// class identifier its types and default instances report, the palette
// folder that holds it, the folder that lists it while its text has errors,
// and the keyword of its modelling-language text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Guid.h"
#include "workbench/language/DefinitionKind.h"

enum class StoreKind {
  Simulation,  // the simulation's own type: owns the simulation's palette
  Library,     // a library's type: owns the library's palette
  Flowsheet,   // the simulation's flowsheet type and the built-in "Hierarchy"
  Model,
  Controller,
  Stream,
  Structure,
  Variable,
  Parameter,
  Port,
  Procedure,
  Function,
  Task,
  Script,  // plain text ("Non-embedded Text")
  Icon,    // a picture of a model, held in the model's palette
  Form,    // a table, plot, profile, custom form or model help of an owner
};

// The class of the types (and default instances) of a kind. Scripts report
// CLSID_QVScriptType, flowsheets CLSID_QVHierarchyType; forms report their own
// form class, which is not decided by the kind.
const CLSID& StoreKindClassId(StoreKind kind);
// The kind whose types report classId (forms: any of the five form classes).
std::optional<StoreKind> StoreKindFromClassId(REFCLSID classId);
// One of the five form classes.
bool IsFormClass(REFCLSID classId);

// The palette folder that holds the types of a kind ("BlockTypeFolder"...);
// empty for kinds no folder holds (simulation, library, form).
std::string_view KindFolderName(StoreKind kind);
// The folder that lists types of the kind whose text has errors
// ("CompiledModelFolder"...); empty for kinds that are not compiled.
std::string_view CompiledFolderName(StoreKind kind);

// The store kind of a definition read by the parser, and back.
StoreKind StoreKindOf(DefinitionKind kind);
std::optional<DefinitionKind> DefinitionKindOf(StoreKind kind);

// Whether types of the kind hold modelling-language text that is compiled.
bool IsCompiledKind(StoreKind kind);
// Kinds whose types own a palette of their own (scripts, tasks, icons).
bool OwnsPalette(StoreKind kind);
// Model-like kinds: forms, a model-type interface, scripts.
bool IsModelLike(StoreKind kind);
// "model", "stream type", "script"... for messages.
std::string_view StoreKindNoun(StoreKind kind);

// The folder names every palette has from the start.
inline constexpr std::string_view kBlockTypeFolder = "BlockTypeFolder";
inline constexpr std::string_view kStructureTypeFolder = "StructureTypeFolder";
inline constexpr std::string_view kStreamTypeFolder = "StreamTypeFolder";
inline constexpr std::string_view kParameterTypeFolder = "ParameterTypeFolder";
inline constexpr std::string_view kVariableTypeFolder = "VariableTypeFolder";
inline constexpr std::string_view kPortTypeFolder = "PortTypeFolder";
inline constexpr std::string_view kProcTypeFolder = "ProcTypeFolder";
inline constexpr std::string_view kFunctionTypeFolder = "FunctionTypeFolder";
inline constexpr std::string_view kTaskTypeFolder = "TaskTypeFolder";
inline constexpr std::string_view kScriptTypeFolder = "ScriptTypeFolder";
inline constexpr std::string_view kIconTypeFolder = "IconTypeFolder";
inline constexpr std::string_view kCompiledModelFolder = "CompiledModelFolder";
inline constexpr std::string_view kCompiledVariableTypeFolder = "CompiledVariableTypeFolder";
inline constexpr std::string_view kCompiledProcedureFolder = "CompiledProcedureFolder";
inline constexpr std::string_view kCompiledTaskTypeFolder = "CompiledTaskTypeFolder";
