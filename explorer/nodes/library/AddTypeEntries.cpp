// The Add entries of the type kinds made from a modelling-language template:
// variable, port, parameter and stream types, procedures, functions, models
// and structure types. Each asks for a name (again after a taken one), creates
// the type, opens it in the text editor and announces it.
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/dialogs/ExplorerParameterName.h"
#include "explorer/nodes/library/AddEntries.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/TypeKinds.h"
#include "host/store/TypeFlags.h"

namespace {

// The kind's own folder inside a user folder, made on first use.
CComPtr<IFFolder> KindFolderIn(IFFolder* target, const std::string& kindFolderName) {
  CComPtr<IFFolder> folder;
  if (SUCCEEDED(target->FindFolder(kindFolderName, &folder)) && folder) return folder;
  folder = nullptr;
  if (FAILED(target->CreateFolder(kindFolderName, FF_USER_FOLDER, &folder))) return nullptr;
  return folder;
}

// Moves a new type from its kind's folder into the user folder's sub-folder of that kind.
void MoveIntoUserFolder(IFType* palette, IFType* created, IFFolder* target, const std::string& kindFolderName) {
  if (!target) return;
  CComPtr<IFFolder> folder = KindFolderIn(target, kindFolderName);
  CComPtr<IFTypeDesc> desc;
  if (!folder || FAILED(created->GetTypeDesc(&desc)) || !desc) return;
  CQVExplorer::MovetoFolder(palette, kindFolderName, folder, desc);
}

}  // namespace

// ---- the standard creation: announced by a posted notice

CQVEOAddVariableType::CQVEOAddVariableType(IFInstance* instance, CWnd* owner)
    : CQVEOAddEntry(instance, IDS_ADD_VARIABLE_TYPE, IDI_ADD_VARIABLE_TYPE, owner) {}
const GUID& CQVEOAddVariableType::ClassID() { return CLSID_QVEOAddVariableType; }
CExplorerObject* CQVEOAddVariableType::Clone() { return new CQVEOAddVariableType(GetInstance(), GetOwner()); }

void CQVEOAddVariableType::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  CComPtr<IFType> palette = GetPalette();
  if (!palette) return;
  auto create = [&](const std::string& name, IFType** out) {
    return CQVExplorer::CreateVariableType(palette, name, out, 1);
  };
  if (AskCreateAndEdit(IDS_CREATE_VARIABLE_TYPE, create, QV_KIND_VARIABLE_TYPE)) notify.Post(EXPLORER_OBJECT_ADDED);
}

// Ports, procedures and functions are made under the entry's instance.
CQVEOAddPortType::CQVEOAddPortType(IFInstance* instance, CWnd* owner)
    : CQVEOAddEntry(instance, IDS_ADD_PORT_TYPE, IDI_ADD_PORT_TYPE, owner) {}
const GUID& CQVEOAddPortType::ClassID() { return CLSID_QVEOAddPortType; }
CExplorerObject* CQVEOAddPortType::Clone() { return new CQVEOAddPortType(GetInstance(), GetOwner()); }

void CQVEOAddPortType::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  IFInstance* instance = GetInstance();
  if (!GetPalette()) return;
  auto create = [&](const std::string& name, IFType** out) {
    return CQVExplorer::CreatePortType(instance, name, out, 1);
  };
  if (AskCreateAndEdit(IDS_CREATE_PORT_TYPE, create, QV_KIND_PORT_TYPE)) notify.Post(EXPLORER_OBJECT_ADDED);
}

CQVEOAddProcedure::CQVEOAddProcedure(IFInstance* instance, CWnd* owner)
    : CQVEOAddEntry(instance, IDS_ADD_PROCEDURE, IDI_ADD_PROCEDURE, owner) {}
const GUID& CQVEOAddProcedure::ClassID() { return CLSID_QVEOAddProcedure; }
CExplorerObject* CQVEOAddProcedure::Clone() { return new CQVEOAddProcedure(GetInstance(), GetOwner()); }

void CQVEOAddProcedure::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  IFInstance* instance = GetInstance();
  if (!GetPalette()) return;
  auto create = [&](const std::string& name, IFType** out) {
    return CQVExplorer::CreateProcedure(instance, name, out, 1);
  };
  if (AskCreateAndEdit(IDS_CREATE_PROCEDURE, create, QV_KIND_PROCEDURE)) notify.Post(EXPLORER_OBJECT_ADDED);
}

CQVEOAddFunction::CQVEOAddFunction(IFInstance* instance, CWnd* owner)
    : CQVEOAddEntry(instance, IDS_ADD_FUNCTION, IDI_ADD_FUNCTION, owner) {}
const GUID& CQVEOAddFunction::ClassID() { return CLSID_QVEOAddFunction; }
CExplorerObject* CQVEOAddFunction::Clone() { return new CQVEOAddFunction(GetInstance(), GetOwner()); }

void CQVEOAddFunction::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  IFInstance* instance = GetInstance();
  if (!GetPalette()) return;
  auto create = [&](const std::string& name, IFType** out) {
    return CQVExplorer::CreateFunction(instance, name, out, 1);
  };
  if (AskCreateAndEdit(IDS_CREATE_FUNCTION, create, QV_KIND_PROCEDURE)) notify.Post(EXPLORER_OBJECT_ADDED);
}

// ---- stream types: announced with the node class that shows them

CQVEOAddStreamType::CQVEOAddStreamType(IFInstance* instance, CWnd* owner)
    : CQVEOAddEntry(instance, IDS_ADD_STREAM_TYPE, IDI_ADD_STREAM_TYPE, owner) {}
const GUID& CQVEOAddStreamType::ClassID() { return CLSID_QVEOAddStreamType; }
CExplorerObject* CQVEOAddStreamType::Clone() { return new CQVEOAddStreamType(GetInstance(), GetOwner()); }

void CQVEOAddStreamType::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  CComPtr<IFType> palette = GetPalette();
  if (!palette) return;
  auto create = [&](const std::string& name, IFType** out) {
    return CQVExplorer::CreateStreamType(palette, name, out, 1);
  };
  if (CComPtr<IFType> created = AskCreateAndEdit(IDS_CREATE_STREAM_TYPE, create, QV_KIND_STREAM_TYPE))
    notify.NewObject(created, CLSID_QVEOStreamType);
}

// ---- models and structure types: moved into a user folder's kind folder

CQVEOAddModel::CQVEOAddModel(IFInstance* instance, CWnd* owner, IFFolder* targetFolder)
    : CQVEOAddEntry(instance, IDS_ADD_MODEL, IDI_ADD_MODEL, owner), m_pTargetFolder(targetFolder) {}
const GUID& CQVEOAddModel::ClassID() { return CLSID_QVEOAddModel; }
CExplorerObject* CQVEOAddModel::Clone() { return new CQVEOAddModel(GetInstance(), GetOwner(), m_pTargetFolder); }

void CQVEOAddModel::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  const CComPtr<IFFolder> target = m_pTargetFolder;
  CComPtr<IFType> palette = GetPalette();
  if (!palette) return;
  std::string name;
  CComPtr<IFType> created = AskAndCreateType(
      IDS_CREATE_MODEL,
      [&](const std::string& wanted, IFType** out) { return CQVExplorer::CreateModel(palette, wanted, out, 1); }, name);
  if (!created) return;
  MoveIntoUserFolder(palette, created, target, "BlockTypeFolder");
  LaunchEditor(palette, created, name, QV_KIND_MODEL);
  notify.NewObject(created, CLSID_QVEOBlockType);
}

CQVEOAddStructure::CQVEOAddStructure(IFInstance* instance, CWnd* owner, IFFolder* targetFolder)
    : CQVEOAddEntry(instance, IDS_ADD_STRUCTURE_TYPE, IDI_ADD_STRUCTURE_TYPE, owner), m_pTargetFolder(targetFolder) {}
const GUID& CQVEOAddStructure::ClassID() { return CLSID_QVEOAddStructure; }
CExplorerObject* CQVEOAddStructure::Clone() {
  return new CQVEOAddStructure(GetInstance(), GetOwner(), m_pTargetFolder);
}

void CQVEOAddStructure::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  const CComPtr<IFFolder> target = m_pTargetFolder;
  CComPtr<IFType> palette = GetPalette();
  if (!palette) return;
  std::string name;
  CComPtr<IFType> created = AskAndCreateType(
      IDS_CREATE_STRUCTURE_TYPE,
      [&](const std::string& wanted, IFType** out) {
        return CQVExplorer::CreateStructureType(palette, wanted, out, 1);
      },
      name);
  if (!created) return;
  MoveIntoUserFolder(palette, created, target, "StructureTypeFolder");
  LaunchEditor(palette, created, name, QV_KIND_STRUCTURE);
  notify.NewObject(created, CLSID_QVEOGlobalStructureType);
}

// ---- parameter types: the kind comes with the name; a taken name ends the command

CQVEOAddParameterType::CQVEOAddParameterType(IFInstance* instance, CWnd* owner)
    : CQVEOAddEntry(instance, IDS_ADD_PARAMETER_TYPE, IDI_ADD_PARAMETER_TYPE, owner) {}
const GUID& CQVEOAddParameterType::ClassID() { return CLSID_QVEOAddParameterType; }
CExplorerObject* CQVEOAddParameterType::Clone() { return new CQVEOAddParameterType(GetInstance(), GetOwner()); }

void CQVEOAddParameterType::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  CComPtr<IFType> palette = GetPalette();
  if (!palette) return;
  CQVExplorerParameterName dialog(IDS_CREATE_PARAMETER_TYPE, nullptr);
  if (dialog.DoModal() != IDOK) return;
  CComPtr<IFType> created;
  if (!CQVExplorer::CreateParameterType(palette, dialog.m_strName, dialog.m_nKind, &created, 1) || !created) return;
  LaunchEditor(palette, created, dialog.m_strName, QV_KIND_PARAMETER_TYPE);
  notify.Post(EXPLORER_OBJECT_ADDED);
}
