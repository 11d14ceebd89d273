#include "explorer/nodes/library/QVEOTypeKindFolder.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/QVFolderTypeEnum.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/ChildNodes.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "explorer/packaging/ExportToFile.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/Exporter.h"
#include "platform/Resources.h"
#include "platform/Services.h"

CQVEOTypeKindFolder::CQVEOTypeKindFolder(const TypeKindFolderTraits& traits, IFInstance* owner,
                                         CExplorerExclusionList* exclusionList, CWnd* ownerWindow, int readOnly)
    : CExplorerContainerObject(ForType{}, owner, exclusionList, traits.openIconId, traits.iconId, ownerWindow,
                               readOnly),
      m_traits(traits) {}

int CQVEOTypeKindFolder::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(m_traits.labelId);
  return !name.empty();
}

int CQVEOTypeKindFolder::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) return GetClassName(text);
  if (aspect != EOAspectType) return 0;
  text = LoadStringOrEmpty(IDS_FOLDER);
  return 1;
}

int CQVEOTypeKindFolder::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_EXPLORE, IDS_MENU_EXPLORE);
  build.Add(ID_EXPLORER_EXPORT, IDS_MENU_EXPORT);
  if (!m_bReadOnly && Clipboard::IsFormatAvailable(*m_traits.format)) {
    build.AddSeparator();
    build.Add(ID_EXPLORER_PASTE, IDS_MENU_PASTE);
  }
  return 1;
}

int CQVEOTypeKindFolder::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_EXPLORE: return 1;
    case ID_EXPLORER_PASTE: return !m_bReadOnly && Clipboard::IsFormatAvailable(*m_traits.format);
    case ID_EXPLORER_EXPORT: return CanExport();
    default: return 0;
  }
}

void CQVEOTypeKindFolder::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_EXPLORE: Explore(); break;
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT: MessageBeep(0); break;
    case ID_EXPLORER_PASTE: PasteFromClipboard(); break;
    case ID_EXPLORER_EXPORT: Export(); break;
    default: break;
  }
}

void CQVEOTypeKindFolder::PasteFromClipboard() {
  if (m_bReadOnly) return;
  COleDataObject data;
  if (data.AttachClipboard()) PasteData(data, ClipboardPasteEffect(data));
}

bool CQVEOTypeKindFolder::AcceptsData(const COleDataObject& data) { return data.IsDataAvailable(*m_traits.format); }

DWORD CQVEOTypeKindFolder::OnDragOver(COleDataObject* data, DWORD keyState) {
  if (m_bReadOnly || !data || !AcceptsData(*data)) return DROPEFFECT_NONE;
  return library_nodes::CopyOrMoveEffect(keyState);
}

int CQVEOTypeKindFolder::OnDrop(COleDataObject* data, DWORD dropEffect) {
  // A drop arrives whatever OnDragOver answered (a right-drag's menu, a drop from another program).
  return data && !m_bReadOnly ? PasteData(*data, dropEffect) : 0;
}

CComPtr<IFType> CQVEOTypeKindFolder::PaletteOwner() { return type_access::TypeOf(GetType()); }

CComPtr<IFTypePalette> CQVEOTypeKindFolder::Palette() { return type_access::PaletteOf(PaletteOwner()); }

int CQVEOTypeKindFolder::PasteData(COleDataObject& data, DWORD dropEffect) {
  if (!data.IsDataAvailable(*m_traits.format) || !library_nodes::IsCopyOrMove(dropEffect)) return 0;
  CComPtr<IFType> source = type_access::TypeOf(ReadHostObject(data, *m_traits.format));
  CComPtr<IFType> destination = PaletteOwner();
  if (!source || !destination) return 0;
  if (!(dropEffect & DROPEFFECT_COPY) && !CQVExplorer::CheckTypeMove(source, destination)) return 0;
  const COwnerNotifier notify(*this);  // the copy may make the Explorer rebuild this node
  CComPtr<IFTypeDesc> copy;
  if (!CQVExplorer::CloneType(source, destination, (dropEffect & DROPEFFECT_MOVE) != 0, &copy)) return 0;
  notify.Post(EXPLORER_OBJECT_ADDED);
  return 1;
}

int CQVEOTypeKindFolder::IsEmpty() {
  IFInstance* owner = GetType();
  if (!owner) return 1;
  // Stops at the first listed type: menus ask this of folders of any size.
  CQVFolderTypeEnum folder(owner, m_traits.hostFolder);
  while (CComPtr<IFTypeDesc> desc = folder.Next())
    if (ListsType(desc)) return 0;
  return 1;
}

void CQVEOTypeKindFolder::Export() {
  std::string name;
  GetClassName(name);
  ExportTextToChosenFile(name, [this](std::string& text) { return ExportTypes(text); });
}

HRESULT CQVEOTypeKindFolder::ExportTypes(std::string& text) {
  return QVExportTypes(Palette(), m_traits.exportKind, text);
}

int CQVEOTypeKindFolder::GetSortType(LISTSORTINFO& info) {
  if (info.column < 0 || info.column > 2) return 0;
  info.type = LSI_TEXT;
  return 1;
}

bool CQVEOTypeKindFolder::ListsType(IFTypeDesc* desc) { return desc != nullptr; }

CExplorerObject* CQVEOTypeKindFolder::MakeLeaf(const GUID& leafClass, IFTypeDesc* desc) {
  CComPtr<IFInstance> instance = type_access::InstanceOf(type_access::TypeOf(desc));
  if (!instance) return nullptr;
  return library_nodes::Make(leafClass, instance, m_pExclusionList, GetOwner(), m_bReadOnly);
}

void CQVEOTypeKindFolder::AddRowFor(CListCtrl& list, CExplorerObject* node) {
  library_nodes::AddRow(list, node, m_traits.columnAspects.data(), static_cast<int>(m_traits.columnAspects.size()));
}

void CQVEOTypeKindFolder::AddEntries(CListCtrl& list) {
  if (m_bReadOnly || IsExcluded(*m_traits.addClassId)) return;
  AddRowFor(list, CQVExplorer::Manufacture(*m_traits.addClassId, GetType(), m_pExclusionList, GetOwner()));
}

void CQVEOTypeKindFolder::AddTypes(CListCtrl& list) {
  ForEachListedType(m_traits.hostFolder,
                    [&](IFTypeDesc* desc) { AddRowFor(list, MakeLeaf(*m_traits.leafClassId, desc)); });
}

int CQVEOTypeKindFolder::ShowContents(CListCtrl& list) {
  InsertColumns(list, static_cast<int>(m_traits.columnTitles.size()), m_traits.columnTitles.data());
  AddEntries(list);
  if (!IsExcluded(*m_traits.leafClassId)) AddTypes(list);
  return 0;
}

void CQVEOTypeKindFolder::InsertTypes(CTreeCtrl& tree, HTREEITEM item) {
  ForEachListedType(m_traits.hostFolder, [&](IFTypeDesc* desc) {
    library_nodes::InsertInTree(tree, item, MakeLeaf(*m_traits.leafClassId, desc));
  });
}

HTREEITEM CQVEOTypeKindFolder::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string label;
  GetClassName(label);
  HTREEITEM item = InsertTreeItem(tree, label, parent, TVI_LAST, 1);
  if (item && m_traits.typesInTree && !IsExcluded(*m_traits.leafClassId)) InsertTypes(tree, item);
  return item;
}
