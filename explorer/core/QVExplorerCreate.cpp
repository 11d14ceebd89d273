// Creating new types from their templates, and new scripts.
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/core/TypeTemplates.h"
#include "explorer/resources/StringIds.h"
#include "host/language/Parser.h"
#include "host/store/HostClassIds.h"
#include "host/store/TypeCatalogue.h"

namespace {

// The parser's options for a new type, passed as given.
constexpr int kNewTypeOption1 = 0;
constexpr int kNewTypeOption2 = 7;
constexpr int kNewTypeOption3 = 100;

int CreateFromTemplate(NewTypeKind kind, IFType* parent, const std::string& name, int parameterKind, IFType** out,
                       int message) {
  if (out) *out = nullptr;
  int created = 0;
  if (parent) {
    CComPtr<IFTypeDesc> desc;
    QVParseReport report = QVNewType(name, parent, NewTypeTemplate(kind, name, parameterKind), &desc, "",
                                     kNewTypeOption1, kNewTypeOption2, kNewTypeOption3);
    CComPtr<IFType> type;
    if (!report.HasErrors() && desc && SUCCEEDED(desc->GetType(&type)) && type) {
      created = 1;
      if (out) *out = type.Detach();
    }
  }
  CQVExplorer::msName = name;
  if (message && !created)
    CQVExplorer::DisplayMessage(NewTypeFailureMessage(kind), 0, MB_ICONEXCLAMATION, nullptr);
  return created;
}

int CreateFromTemplate(NewTypeKind kind, IFInstance* parent, const std::string& name, IFType** out, int message) {
  CComPtr<IFType> parentType = type_access::TypeOf(parent);
  return CreateFromTemplate(kind, parentType, name, -1, out, message);
}

}  // namespace

int CQVExplorer::CreateModel(IFType* parent, const std::string& name, IFType** out, int message) {
  return CreateFromTemplate(NewTypeKind::Model, parent, name, -1, out, message);
}

int CQVExplorer::CreateStructureType(IFType* parent, const std::string& name, IFType** out, int message) {
  return CreateFromTemplate(NewTypeKind::Structure, parent, name, -1, out, message);
}

int CQVExplorer::CreateStreamType(IFType* parent, const std::string& name, IFType** out, int message) {
  return CreateFromTemplate(NewTypeKind::Stream, parent, name, -1, out, message);
}

int CQVExplorer::CreateVariableType(IFType* parent, const std::string& name, IFType** out, int message) {
  return CreateFromTemplate(NewTypeKind::Variable, parent, name, -1, out, message);
}

int CQVExplorer::CreateParameterType(IFType* parent, const std::string& name, int kind, IFType** out, int message) {
  return CreateFromTemplate(NewTypeKind::Parameter, parent, name, kind, out, message);
}

int CQVExplorer::CreatePortType(IFInstance* parent, const std::string& name, IFType** out, int message) {
  return CreateFromTemplate(NewTypeKind::Port, parent, name, out, message);
}

int CQVExplorer::CreateProcedure(IFInstance* parent, const std::string& name, IFType** out, int message) {
  return CreateFromTemplate(NewTypeKind::Procedure, parent, name, out, message);
}

int CQVExplorer::CreateFunction(IFInstance* parent, const std::string& name, IFType** out, int message) {
  return CreateFromTemplate(NewTypeKind::Function, parent, name, out, message);
}

int CQVExplorer::CreateScript(IFType* parent, const std::string& name, int message, IFType** out) {
  if (out) *out = nullptr;
  int created = 0;
  CComPtr<IFType> script;
  CComPtr<IFTypePalette> palette = type_access::PaletteOf(parent);
  if (palette && SUCCEEDED(typecatCreateType(CLSID_QVScriptType, &script)) && script &&
      SUCCEEDED(palette->AddType(name, script))) {
    created = 1;
    WriteTypeText(script, kNonEmbeddedTextFormat, "BOOLEAN VB\n");
  }
  msName = name;
  if (message && !created) DisplayMessage(IDS_SCRIPT_NAME_TAKEN, 0, MB_ICONEXCLAMATION, nullptr);
  if (created && out) *out = script.Detach();
  return created;
}
