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
    : CQVEOAddEntry(instance, 13595, 13547, owner) {}
const GUID& CQVEOAddVariableType::ClassID() { return CLSID_QVEOAddVariableType; }
CExplorerObject* CQVEOAddVariableType::Clone() { return new CQVEOAddVariableType(GetInstance(), GetOwner()); }

void CQVEOAddVariableType::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  CComPtr<IFType> palette = GetPalette();
  if (!palette) return;
  auto create = [&](const std::string& name, IFType** out) {
    return CQVExplorer::CreateVariableType(palette, name, out, 1);
  };
  if (AskCreateAndEdit(53600, create, QV_KIND_VARIABLE_TYPE)) notify.Post(EXPLORER_OBJECT_ADDED);
}

// Ports, procedures and functions are made under the entry's instance.
CQVEOAddPortType::CQVEOAddPortType(IFInstance* instance, CWnd* owner) : CQVEOAddEntry(instance, 13596, 13548, owner) {}
const GUID& CQVEOAddPortType::ClassID() { return CLSID_QVEOAddPortType; }
CExplorerObject* CQVEOAddPortType::Clone() { return new CQVEOAddPortType(GetInstance(), GetOwner()); }

void CQVEOAddPortType::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  IFInstance* instance = GetInstance();
  if (!GetPalette()) return;
  auto create = [&](const std::string& name, IFType** out) {
    return CQVExplorer::CreatePortType(instance, name, out, 1);
  };
  if (AskCreateAndEdit(53601, create, QV_KIND_PORT_TYPE)) notify.Post(EXPLORER_OBJECT_ADDED);
}

CQVEOAddProcedure::CQVEOAddProcedure(IFInstance* instance, CWnd* owner)
    : CQVEOAddEntry(instance, 13597, 13549, owner) {}
const GUID& CQVEOAddProcedure::ClassID() { return CLSID_QVEOAddProcedure; }
CExplorerObject* CQVEOAddProcedure::Clone() { return new CQVEOAddProcedure(GetInstance(), GetOwner()); }

void CQVEOAddProcedure::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  IFInstance* instance = GetInstance();
  if (!GetPalette()) return;
  auto create = [&](const std::string& name, IFType** out) {
    return CQVExplorer::CreateProcedure(instance, name, out, 1);
  };
  if (AskCreateAndEdit(53602, create, QV_KIND_PROCEDURE)) notify.Post(EXPLORER_OBJECT_ADDED);
}

CQVEOAddFunction::CQVEOAddFunction(IFInstance* instance, CWnd* owner) : CQVEOAddEntry(instance, 13642, 13744, owner) {}
const GUID& CQVEOAddFunction::ClassID() { return CLSID_QVEOAddFunction; }
CExplorerObject* CQVEOAddFunction::Clone() { return new CQVEOAddFunction(GetInstance(), GetOwner()); }

void CQVEOAddFunction::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  IFInstance* instance = GetInstance();
  if (!GetPalette()) return;
  auto create = [&](const std::string& name, IFType** out) {
    return CQVExplorer::CreateFunction(instance, name, out, 1);
  };
  if (AskCreateAndEdit(53702, create, QV_KIND_PROCEDURE)) notify.Post(EXPLORER_OBJECT_ADDED);
}

// ---- stream types: announced with the node class that shows them

CQVEOAddStreamType::CQVEOAddStreamType(IFInstance* instance, CWnd* owner)
    : CQVEOAddEntry(instance, 53591, 13627, owner) {}
const GUID& CQVEOAddStreamType::ClassID() { return CLSID_QVEOAddStreamType; }
CExplorerObject* CQVEOAddStreamType::Clone() { return new CQVEOAddStreamType(GetInstance(), GetOwner()); }

void CQVEOAddStreamType::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  CComPtr<IFType> palette = GetPalette();
  if (!palette) return;
  auto create = [&](const std::string& name, IFType** out) {
    return CQVExplorer::CreateStreamType(palette, name, out, 1);
  };
  if (CComPtr<IFType> created = AskCreateAndEdit(53599, create, QV_KIND_STREAM_TYPE))
    notify.NewObject(created, CLSID_QVEOStreamType);
}

// ---- models and structure types: moved into a user folder's kind folder

CQVEOAddModel::CQVEOAddModel(IFInstance* instance, CWnd* owner, IFFolder* targetFolder)
    : CQVEOAddEntry(instance, 13600, 13552, owner), m_pTargetFolder(targetFolder) {}
const GUID& CQVEOAddModel::ClassID() { return CLSID_QVEOAddModel; }
CExplorerObject* CQVEOAddModel::Clone() { return new CQVEOAddModel(GetInstance(), GetOwner(), m_pTargetFolder); }

void CQVEOAddModel::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  const CComPtr<IFFolder> target = m_pTargetFolder;
  CComPtr<IFType> palette = GetPalette();
  if (!palette) return;
  std::string name;
  CComPtr<IFType> created = AskAndCreateType(
      53598, [&](const std::string& wanted, IFType** out) { return CQVExplorer::CreateModel(palette, wanted, out, 1); },
      name);
  if (!created) return;
  MoveIntoUserFolder(palette, created, target, "BlockTypeFolder");
  LaunchEditor(palette, created, name, QV_KIND_MODEL);
  notify.NewObject(created, CLSID_QVEOBlockType);
}

CQVEOAddStructure::CQVEOAddStructure(IFInstance* instance, CWnd* owner, IFFolder* targetFolder)
    : CQVEOAddEntry(instance, 13733, 13726, owner), m_pTargetFolder(targetFolder) {}
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
      53693,
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
    : CQVEOAddEntry(instance, 13694, 13692, owner) {}
const GUID& CQVEOAddParameterType::ClassID() { return CLSID_QVEOAddParameterType; }
CExplorerObject* CQVEOAddParameterType::Clone() { return new CQVEOAddParameterType(GetInstance(), GetOwner()); }

void CQVEOAddParameterType::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  CComPtr<IFType> palette = GetPalette();
  if (!palette) return;
  CQVExplorerParameterName dialog(13692, nullptr);
  if (dialog.DoModal() != IDOK) return;
  CComPtr<IFType> created;
  if (!CQVExplorer::CreateParameterType(palette, dialog.m_strName, dialog.m_nKind, &created, 1) || !created) return;
  LaunchEditor(palette, created, dialog.m_strName, QV_KIND_PARAMETER_TYPE);
  notify.Post(EXPLORER_OBJECT_ADDED);
}
