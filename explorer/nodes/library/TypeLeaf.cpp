#include "explorer/nodes/library/TypeLeaf.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/CompiledFolderStatus.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/packaging/ExportToFile.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "host/framework/UpdateHints.h"
#include "host/language/CQVTextEditorFrame.h"
#include "host/language/Exporter.h"
#include "platform/Resources.h"

CQVEOTypeLeaf::CQVEOTypeLeaf(IFInstance* instance, CWnd* owner, int readOnly, const TypeLeafTraits& traits)
    : CQVEOTypeLeaf(type_access::DescriptorOfInstance(instance), owner, readOnly, traits) {}

CQVEOTypeLeaf::CQVEOTypeLeaf(IFTypeDesc* desc, CWnd* owner, int readOnly, const TypeLeafTraits& traits)
    : CExplorerObject(desc, traits.iconId, traits.iconId, owner, readOnly), m_traits(traits) {
  GetStatus();
}

int CQVEOTypeLeaf::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(m_traits.classNameId);
  return !name.empty();
}

void CQVEOTypeLeaf::GetStatus() {
  ComputeCompiledFolderStatus(m_pTypeDesc, m_traits.compiledFolder, m_nStatus, m_nStatusTextId);
}

std::string CQVEOTypeLeaf::TypeName() {
  std::string name;
  if (m_pTypeDesc) m_pTypeDesc->GetName(name);
  if (name.empty()) name = type_access::NameOf(HostType());
  return name;
}

CComPtr<IFType> CQVEOTypeLeaf::HostType() { return type_access::TypeOf(GetType()); }

CComPtr<IFType> CQVEOTypeLeaf::PaletteOwner() {
  CComPtr<IFTypePalette> palette = type_access::HoldingPaletteOf(HostType());
  CComPtr<IFType> owner;
  if (palette) palette->GetOwnerType(&owner);
  return owner;
}

int CQVEOTypeLeaf::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) {
    text = TypeName();
    return !text.empty();
  }
  if (aspect == EOAspectStatus) {
    text = m_nStatusTextId ? LoadStringOrEmpty(m_nStatusTextId) : std::string();
    return 1;
  }
  return 0;
}

void CQVEOTypeLeaf::AddCommonMenuHead(CContextMenuBuilder& build) {
  AddMenuCommand(build, ID_EXPLORER_EXPORT);
  build.AddSeparator();
  AddMenuCommand(build, ID_EXPLORER_EDIT);
  if (m_nStatus != EO_STATUS_NOT_OK) {
    build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_COPY);
  }
}

int CQVEOTypeLeaf::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  AddCommonMenuHead(build);
  if (IsChangeable()) {
    build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_DELETE);
    AddMenuCommand(build, ID_EXPLORER_RENAME);
    build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_COMPILE);
  }
  return 1;
}

int CQVEOTypeLeaf::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_EDIT:
    case ID_EXPLORER_EXPORT:
      return 1;
    case ID_EXPLORER_COPY:
      return m_nStatus != EO_STATUS_NOT_OK;
    case ID_EXPLORER_PASTE:
      return !m_bReadOnly && ClipboardOffersAny({*m_traits.format});
    case ID_EXPLORER_DELETE:
    case ID_EXPLORER_RENAME:
    case ID_EXPLORER_COMPILE:
      return IsChangeable();
    default:
      return 0;
  }
}

void CQVEOTypeLeaf::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_DEFAULT_ACTION:
    case ID_EXPLORER_EDIT:
      Edit();
      break;
    case ID_EXPLORER_COPY:
      CopyToClipboard();
      break;
    case ID_EXPLORER_CUT:
      Cut();
      break;
    case ID_EXPLORER_PASTE:
      Paste();
      break;
    case ID_EXPLORER_DELETE:
      Delete();
      break;
    case ID_EXPLORER_RENAME:
      StartLabelEdit();
      break;
    case ID_EXPLORER_EXPORT:
      ExportDefinition();
      break;
    case ID_EXPLORER_COMPILE:
      CompileDefinition();
      break;
    default:
      break;
  }
}

void CQVEOTypeLeaf::Edit() {
  CComPtr<IFType> type = HostType();
  if (!type) return;
  CQVTextEditorFrame::Launch(PaletteOwner(), type, TypeName(), m_traits.editorKind,
                             m_bReadOnly || m_nStatus == EO_STATUS_SYSTEM, 0);
}

bool CQVEOTypeLeaf::CopyToClipboard(bool forMove) {
  COleDataSource data;
  if (!OfferHostObject(data, *m_traits.format, HostType())) return false;
  if (forMove) MarkForMove(data);
  data.SetClipboard();
  return true;
}

// The type moves when it is pasted; until then it stays where it is. A library
// or built-in type is only copied, never taken away.
void CQVEOTypeLeaf::Cut() { CopyToClipboard(IsChangeable()); }

void CQVEOTypeLeaf::Paste() {
  if (m_bReadOnly) return;
  COleDataObject data;
  if (!ClipboardWrittenHere() || !data.AttachClipboard()) return;
  const DWORD effect = ClipboardPasteEffect(data);
  CComPtr<IFType> source = type_access::TypeOf(ReadHostObject(data, *m_traits.format));
  CComPtr<IFType> destination = PaletteOwner();
  if (!source || !destination) return;
  const int move = effect == DROPEFFECT_MOVE;
  if (move && !CQVExplorer::CheckTypeMove(source, destination)) return;
  const COwnerNotifier notifier(*this);  // the copy may rebuild the pane and delete this node
  if (CQVExplorer::CloneType(source, destination, move, nullptr)) notifier.Post(EXPLORER_OBJECT_ADDED);
}

void CQVEOTypeLeaf::Delete() {
  std::string paletteName;
  if (CComPtr<IFTypePalette> palette = type_access::HoldingPaletteOf(HostType())) palette->GetName(paletteName);
  if (SelfDestruct(1)) NotifyDocumentChanged(QV_HINT_TYPE_DELETED, paletteName);
}

DWORD CQVEOTypeLeaf::DoDragDrop() {
  COleDataSource data;
  if (!OfferHostObject(data, *m_traits.format, HostType())) return DROPEFFECT_NONE;
  return data.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
}

int CQVEOTypeLeaf::DontEditLabel() { return !IsChangeable(); }

int CQVEOTypeLeaf::EditLabel(std::string newName) {
  if (!IsChangeable()) return 0;
  return RenameType(newName);
}

// The panes learn of the new status through the document, as after any compile.
void CQVEOTypeLeaf::CompileDefinition() {
  CComPtr<IFType> type = HostType();
  if (!type) return;
  CQVExplorer::Compile(type, 1, 0);
  NotifyDocumentChanged(QV_HINT_COMPILED);
}

void CQVEOTypeLeaf::ExportDefinition() {
  CComPtr<IFType> type = HostType();
  if (!type) return;
  ExportTextToChosenFile(TypeName(), [&](std::string& text) { return QVExportType(type, text); });
}
