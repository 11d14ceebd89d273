#include "explorer/nodes/library/QVEOUserFolder.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/ExplorerTemplateId.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/AddEntries.h"
#include "explorer/nodes/library/ChildNodes.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/nodes/library/ModelPaste.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "explorer/nodes/library/TypeVisibility.h"
#include "explorer/nodes/library/UserFolderContents.h"
#include "explorer/packaging/ExportToFile.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "explorer/window/ExplorerNodeExtensions.h"
#include "host/framework/CQVGeneralUtil.h"
#include "host/framework/CorvaneViewContext.h"
#include "host/language/Exporter.h"
#include "host/store/IFNaming.h"
#include "host/store/Status.h"
#include "host/store/TypeFlags.h"
#include "platform/Resources.h"
#include "platform/Services.h"
#include "platform/TextCompare.h"

namespace {

constexpr int kDeleteAttempts = 4;

const UINT kColumnTitles[] = {IDS_NAME, IDS_STATUS};
const EOAspect kRowAspects[] = {EOAspectStatus};

bool OffersPastableModel(const COleDataObject& data) {
  if (data.IsDataAvailable(CF_EXPLORER_GLOBAL_STRUCTURE_TYPE)) return true;
  std::optional<ModelTypePayload> model = ReadModelType(data);
  return model && !model->streamType;
}

std::vector<CComPtr<IFTypeDesc>> ShownTypes(IFFolder* folder) {
  std::vector<CComPtr<IFTypeDesc>> shown;
  CComPtr<IEnum<IFTypeDesc>> walk;
  if (!folder || FAILED(folder->EnumTypes(&walk)) || !walk) return shown;
  CComPtr<IFTypeDesc> desc;
  while (walk->Next(&desc) == S_OK && desc)
    if (IsTypeShown(desc)) shown.push_back(std::move(desc));
  return shown;
}

}  // namespace

CQVEOUserFolder::CQVEOUserFolder(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner,
                                 IFFolder* folder, int readOnly)
    : CExplorerContainerObject(ForType{}, instance, exclusionList, IDI_OPEN_MODEL_FOLDER, IDI_MODEL_FOLDER, owner, readOnly),
      m_pFolder(folder) {}

CExplorerObject* CQVEOUserFolder::Make(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner,
                                       IFFolder* folder, int readOnly) {
  return new CQVEOUserFolder(instance, exclusionList, owner, folder, readOnly);
}

const GUID& CQVEOUserFolder::ClassID() { return CLSID_QVEOUserFolder; }

int CQVEOUserFolder::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_MODEL_FOLDER);
  return !name.empty();
}

CExplorerObject* CQVEOUserFolder::Clone() {
  return new CQVEOUserFolder(GetType(), m_pExclusionList, GetOwner(), m_pFolder, m_bReadOnly);
}

int CQVEOUserFolder::operator==(CExplorerObject& other) {
  if (!CExplorerContainerObject::operator==(other)) return 0;
  auto* folder = dynamic_cast<CQVEOUserFolder*>(&other);
  return folder && IsSameObject(m_pFolder, folder->m_pFolder);
}

int CQVEOUserFolder::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectType) return GetClassName(text);
  if (aspect != EOAspectName || !m_pFolder) return 0;
  return SUCCEEDED(m_pFolder->GetName(text));
}

int CQVEOUserFolder::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_EXPLORE, IDS_MENU_EXPLORE);
  build.Add(ID_EXPLORER_EXPORT, IDS_MENU_EXPORT);
  if (!m_bReadOnly && ClipboardOffersAny({CF_EXPLORER_MODEL_TYPE, CF_EXPLORER_GLOBAL_STRUCTURE_TYPE})) {
    build.AddSeparator();
    build.Add(ID_EXPLORER_PASTE, IDS_MENU_PASTE);
  }
  if (!m_bReadOnly) {
    build.AddSeparator();
    build.Add(ID_EXPLORER_DELETE, IDS_MENU_DELETE);
    build.Add(ID_EXPLORER_RENAME, IDS_MENU_RENAME);
  }
  return 1;
}

int CQVEOUserFolder::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_EXPLORE: return 1;
    // A folder of a library that cannot change is neither deleted nor renamed, even by its accelerator.
    case ID_EXPLORER_DELETE:
    case ID_EXPLORER_RENAME: return !m_bReadOnly && m_pFolder;
    case ID_EXPLORER_PASTE:
      return !m_bReadOnly && ClipboardOffersAny({CF_EXPLORER_MODEL_TYPE, CF_EXPLORER_GLOBAL_STRUCTURE_TYPE});
    case ID_EXPLORER_EXPORT: return CanExport();
    default: return 0;
  }
}

void CQVEOUserFolder::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_EXPLORE: ExploreFolder(); break;
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT: MessageBeep(0); break;
    case ID_EXPLORER_PASTE: {
      COleDataObject data;
      if (data.AttachClipboard()) PasteData(data, ClipboardPasteEffect(data));
      break;
    }
    case ID_EXPLORER_DELETE:
      if (CanDoCommand(id)) DeleteFolder();
      break;
    case ID_EXPLORER_RENAME:
      if (CanDoCommand(id)) StartLabelEdit();
      break;
    case ID_EXPLORER_EXPORT: Export(); break;
    default: break;
  }
}

void CQVEOUserFolder::ExploreFolder() {
  tag_CorvaneViewContext context;
  context.viewClass = CLSID_ExplorerTemplate;
  CComPtr<IFNaming> naming = ComQuery<IFNaming>(type_access::TypeOf(GetType()));
  if (naming) naming->GetNames(context.libraryName, context.typeName);
  context.folder = m_pFolder;
  context.text = ClassID().ToString();
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_SHOW_CORVANEVIEW, 0, reinterpret_cast<LPARAM>(&context));
}

DWORD CQVEOUserFolder::OnDragOver(COleDataObject* data, DWORD keyState) {
  if (m_bReadOnly || !data || !OffersPastableModel(*data)) return DROPEFFECT_NONE;
  return library_nodes::CopyOrMoveEffect(keyState);
}

int CQVEOUserFolder::OnDrop(COleDataObject* data, DWORD dropEffect) { return data ? PasteData(*data, dropEffect) : 0; }

CComPtr<IFFolder> CQVEOUserFolder::KindSubFolder(const char* name) {
  CComPtr<IFFolder> sub;
  if (SUCCEEDED(m_pFolder->FindFolder(name, &sub)) && sub) return sub;
  sub.Release();
  if (FAILED(m_pFolder->CreateFolder(name, FF_USER_FOLDER, &sub))) sub.Release();
  return sub;
}

int CQVEOUserFolder::PasteData(COleDataObject& data, DWORD dropEffect) {
  if (m_bReadOnly || !m_pFolder || !library_nodes::IsCopyOrMove(dropEffect)) return 0;
  CComPtr<IFType> owner = type_access::TypeOf(GetType());
  if (std::optional<ModelTypePayload> model = ReadModelType(data)) {
    if (model->streamType) return 0;
    CComPtr<IFFolder> models = KindSubFolder("BlockTypeFolder");
    if (!models) return 0;
    return PasteModel(*this, type_access::TypeOf(model->modelType), owner, dropEffect,
                      {false, models, &CLSID_QVEOBlockType});
  }
  CComPtr<IFType> structure = type_access::TypeOf(ReadHostObject(data, CF_EXPLORER_GLOBAL_STRUCTURE_TYPE));
  if (!structure) return 0;
  CComPtr<IFFolder> structures = KindSubFolder("StructureTypeFolder");
  if (!structures) return 0;
  // Announced as what it is, so that every Explorer shows it as a structure type.
  return PasteModel(*this, structure, owner, dropEffect, {true, structures, &CLSID_QVEOGlobalStructureType});
}

int CQVEOUserFolder::EditLabel(std::string newName) {
  if (m_bReadOnly || !m_pFolder) return 0;
  // An invalid name gets the validator's own complaint; a taken one is said here.
  int renamed = 0;
  if (CQVGeneralUtil::IsValidName(newName, nullptr)) {
    const HRESULT result = m_pFolder->SetName(newName);
    renamed = SUCCEEDED(result);
    if (result == FE_NAMEEXISTS) CQVExplorer::DisplayMessage(IDS_FOLDER_RENAME_TAKEN, 0, MB_ICONEXCLAMATION, nullptr);
  }
  PostToOwner(EXPLORER_OBJECT_RENAMED, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(this));
  if (renamed) NotifyDocumentChanged(0);
  return renamed;
}

void CQVEOUserFolder::DeleteFolder() {
  if (!m_pFolder) return;
  // Deleting types updates every view: this node may be gone by the end.
  const COwnerNotifier notify(*this);
  CComPtr<IFFolder> folder = m_pFolder;
  bool emptied = true;
  if (FolderHasContents(folder)) {
    if (CQVExplorer::DisplayMessage(IDS_CONFIRM_DELETE_FOLDER_CONTENTS, IDS_CONFIRM_CAPTION, MB_YESNO | MB_ICONQUESTION,
                                    nullptr) != IDYES)
      return;
    CWaitCursor wait;
    emptied = false;
    for (int attempt = 0; attempt < kDeleteAttempts && !emptied; ++attempt) emptied = DeleteFolderContents(folder);
    if (!emptied) CQVExplorer::DisplayMessage(IDS_FOLDER_CONTENTS_IN_USE, 0, MB_ICONEXCLAMATION, nullptr);
  }
  const bool removed = emptied && RemoveFolderTree(folder);
  if (removed && CExplorerObject::IsLive(this)) m_pFolder.Release();
  notify.Post(EXPLORER_CONTENTS_CHANGED);
}

int CQVEOUserFolder::IsEmpty() { return !FolderHasContents(m_pFolder); }

void CQVEOUserFolder::Export() {
  if (!m_pFolder) return;
  std::string name;
  m_pFolder->GetName(name);
  CComPtr<IFFolder> folder = m_pFolder;
  ExportTextToChosenFile(name, [folder](std::string& text) { return QVExportTypes(folder, text); });
}

template <class Place>
void CQVEOUserFolder::MakeChildren(Place place) {
  IFInstance* instance = GetType();
  auto models = [&](IFFolder* folder, const GUID& leafClass) {
    if (IsExcluded(leafClass)) return;
    for (const CComPtr<IFTypeDesc>& desc : ShownTypes(folder)) {
      CComPtr<IFInstance> type = type_access::InstanceOf(type_access::TypeOf(desc));
      if (type) place(library_nodes::Make(leafClass, type, m_pExclusionList, GetOwner(), m_bReadOnly));
    }
  };
  models(m_pFolder, CLSID_QVEOBlockType);
  CComPtr<IEnum<IFFolder>> folders;
  if (FAILED(m_pFolder->EnumFolders(&folders)) || !folders) return;
  CComPtr<IFFolder> sub;
  while (folders->Next(&sub) == S_OK && sub) {
    std::string name;
    sub->GetName(name);
    if (CompareNoCase(name, "BlockTypeFolder") == 0) {
      models(sub, CLSID_QVEOBlockType);
    } else if (CompareNoCase(name, "StructureTypeFolder") == 0) {
      models(sub, CLSID_QVEOGlobalStructureType);
    } else if (!IsExcluded(CLSID_QVEOUserFolder)) {
      place(new CQVEOUserFolder(instance, m_pExclusionList, GetOwner(), sub, m_bReadOnly));
    }
  }
}

int CQVEOUserFolder::ShowContents(CListCtrl& list) {
  InsertColumns(list, 2, kColumnTitles);
  if (!m_pFolder) return 0;
  auto row = [&](CExplorerObject* node) { library_nodes::AddRow(list, node, kRowAspects, 1); };
  if (!m_bReadOnly) {
    IFInstance* instance = GetType();
    if (!IsExcluded(CLSID_QVEOAddModel)) row(new CQVEOAddModel(instance, GetOwner(), m_pFolder));
    if (!IsExcluded(CLSID_QVEOAddUserFolder)) row(new CQVEOAddUserFolder(instance, GetOwner(), m_pFolder.Get()));
    if (!IsExcluded(CLSID_QVEOAddStructure)) row(new CQVEOAddStructure(instance, GetOwner(), m_pFolder));
  }
  MakeChildren(row);
  return 0;
}

HTREEITEM CQVEOUserFolder::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string name;
  GetDisplayText(EOAspectName, name);
  HTREEITEM item = InsertTreeItem(tree, name, parent, TVI_LAST, 1);
  if (item && m_pFolder) MakeChildren([&](CExplorerObject* node) { library_nodes::InsertInTree(tree, item, node); });
  return item;
}
