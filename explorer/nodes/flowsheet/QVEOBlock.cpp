#include "explorer/nodes/flowsheet/QVEOBlock.h"

#include <memory>

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/nodes/flowsheet/GraphicalCopy.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "platform/Resources.h"
#include "platform/TextCompare.h"
#include "platform/UserInterface.h"

namespace {

constexpr const char* kBlockCaption = "Block";
constexpr const char* kParseFailed = "Failed to Parse Active Model from Block.";
constexpr const char* kCreateFailed = "Failed to Create Active Model from Block.";
// Models whose names start so are the system's own variants: never an active model.
constexpr const char* kSystemVariantPrefix = "ZN_v";

}  // namespace

CQVEOBlock::CQVEOBlock(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner)
    : CQVExplorerModelInstanceObject(instance, exclusionList, IDI_BLOCK, IDI_BLOCK, owner) {}

const GUID& CQVEOBlock::ClassID() { return CLSID_QVEOBlock; }

int CQVEOBlock::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_BLOCK);
  return !name.empty();
}

CExplorerObject* CQVEOBlock::Clone() { return new CQVEOBlock(m_pInstance, m_pExclusionList, GetOwner()); }

bool CQVEOBlock::CanGCopyCut() { return graphical_copy::CanCopyCut(m_pInstance); }

bool CQVEOBlock::OffersActiveModel() {
  CComPtr<IRModelType> type = ModelType();
  if (!type) return false;
  bool excluded = true;
  if (FAILED(type->IsActiveModelExcluded(&excluded)) || excluded) return false;
  std::string name;
  type->GetName(name);
  const std::string_view prefix(kSystemVariantPrefix);
  return !(name.size() >= prefix.size() && EqualNoCase(std::string_view(name).substr(0, prefix.size()), prefix));
}

int CQVEOBlock::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_EXPLORE, IDS_MENU_EXPLORE);
  build.Add(ID_EXPLORER_FIND, IDS_MENU_FIND);
  if (OffersActiveModel()) {
    auto popup = std::make_shared<CMenu>();
    CContextMenuBuilder sub(*this, *popup);
    sub.Add(ID_EXPLORER_VIEW_ACTIVE_MODEL, IDS_MENU_VIEW_ACTIVE_MODEL);
    sub.Add(ID_EXPLORER_CREATE_ACTIVE_MODEL, IDS_MENU_CREATE_ACTIVE_MODEL);
    sub.Add(ID_EXPLORER_USE_ACTIVE_MODEL, IDS_MENU_USE_ACTIVE_MODEL);
    build.AddPopup(IDS_ACTIVE_MODEL, popup);
  }
  if (CanGCopyCut()) build.AddSeparator();
  AddUnitEditEntries(build);
  return 1;
}

int CQVEOBlock::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
    case ID_EXPLORER_EXPLORE:
    case ID_EXPLORER_FIND:
    case ID_EXPLORER_VIEW_ACTIVE_MODEL:
      return 1;
    case ID_EXPLORER_COPY:
      return CanGCopyCut();
    case ID_EXPLORER_CUT:
      return CanGCopyCut() && !FlowsheetIsLocked();
    case ID_EXPLORER_RENAME:
      // The accelerator follows the menu: no renaming while a run holds the flowsheet.
      return IsInTopFlowsheet() && !FlowsheetIsLocked();
    case ID_EXPLORER_CREATE_ACTIVE_MODEL:
      return CRQVDocument::m_bCustomModeling;
    case ID_EXPLORER_USE_ACTIVE_MODEL:
      return CRQVDocument::m_bCustomModeling && IsInTopFlowsheet() && !FlowsheetIsLocked();
    default:
      return 0;
  }
}

void CQVEOBlock::DoCommand(UINT id) {
  if (DoUnitCommand(id)) return;
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
      ShowProperties(IDS_BLOCK_PROPERTIES);
      break;
    case ID_EXPLORER_VIEW_ACTIVE_MODEL:
      CreateActiveModel(ActiveModelView);
      break;
    case ID_EXPLORER_CREATE_ACTIVE_MODEL:
      CreateActiveModel(ActiveModelCreate);
      break;
    case ID_EXPLORER_USE_ACTIVE_MODEL:
      CreateActiveModel(ActiveModelUse);
      break;
    default:
      break;
  }
}

void CQVEOBlock::CreateActiveModel(int mode) {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  if (!document || !m_pInstance) return;
  CComPtr<IFInstance> block = m_pInstance;  // the host's change may delete this node
  if (SUCCEEDED(document->DoCreateActiveModel(block, static_cast<ActiveModelMode>(mode), {}, {}, {}, false, false)))
    return;
  MessageBox(nullptr, mode == ActiveModelView ? kParseFailed : kCreateFailed, kBlockCaption,
             MB_OK | MB_ICONEXCLAMATION);
}

int CQVEOBlock::DontEditLabel() { return IsInTopFlowsheet() ? 0 : 1; }

int CQVEOBlock::EditLabel(std::string newName) { return EditUnitLabel(newName, false); }
