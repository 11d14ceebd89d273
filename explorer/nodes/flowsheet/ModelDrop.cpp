#include "explorer/nodes/flowsheet/ModelDrop.h"

#include <string>

#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerPanes.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/nodes/flowsheet/FlowsheetChildren.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/store/Status.h"
#include "platform/Resources.h"
#include "platform/TreeCtrl.h"
#include "platform/UserInterface.h"

namespace model_drop {

namespace {

// The first tree item, in the order a person reads the tree, whose node stands
// for the unit at path (its own folders share its path but come after it).
HTREEITEM FindUnitItem(CTreeCtrl& tree, HTREEITEM first, const std::string& path) {
  for (HTREEITEM item = first; item; item = tree.GetNextSiblingItem(item)) {
    auto* node = reinterpret_cast<CExplorerObject*>(tree.GetItemData(item));
    if (node && CExplorerObject::IsLive(node) && node->GetInstance() && flowsheet_children::PathOf(node->GetInstance()) == path)
      return item;
    if (HTREEITEM found = FindUnitItem(tree, tree.GetChildItem(item), path)) return found;
  }
  return nullptr;
}

}  // namespace

DWORD EffectOver(const COleDataObject* data) {
  if (!data) return DROPEFFECT_NONE;
  std::optional<ModelTypePayload> payload = ReadModelType(*data);
  return payload && payload->modelType && !payload->streamType ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

bool AddBlock(CExplorerObject& target, IFInstance* flowsheet, const COleDataObject& data) {
  std::optional<ModelTypePayload> payload = ReadModelType(data);
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  if (!payload || !payload->modelType || payload->streamType || !document || !flowsheet) return false;
  // Taken before the change: the panes rebuild while the host announces it.
  const HWND owner = target.GetOwner() ? target.GetOwner()->GetSafeHwnd() : nullptr;
  CComPtr<IFInstance> held(flowsheet);
  const std::string parentPath = flowsheet_children::PathOf(held);
  std::string name;
  const HRESULT hr = document->AddBlock(held, payload->modelType, name);
  if (FAILED(hr)) {
    MessageBox(nullptr, GetStatusText(hr), LoadStringOrEmpty(IDS_OPERATION_FAILED), MB_OK | MB_ICONINFORMATION);
    return false;
  }
  // The new block's label opens for its name, where the tree shows it.
  auto* panes = dynamic_cast<IExplorerPanes*>(CWnd::FromHandle(owner));
  CTreeCtrl* tree = panes ? panes->GetTreePaneControl() : nullptr;
  if (!tree) return true;
  const std::string path = parentPath.empty() ? name : parentPath + "." + name;
  if (HTREEITEM item = FindUnitItem(*tree, tree->GetRootItem(), path)) {
    tree->SelectItem(item);
    tree->EditLabel(item);
  }
  return true;
}

}  // namespace model_drop
