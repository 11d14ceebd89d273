// The models of a tab with their icon pictures, and the stream types of a
// library with their line styles, read through the hidden contents pane.
#include "explorer/core/ExplorerObject.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/libtoolbar/InvLibTBExplorer.h"
#include "explorer/nodes/library/EOModelIcon.h"
#include "explorer/nodes/library/QVEOUserFolder.h"
#include "host/model/IQVStreamType.h"
#include "platform/ImageList.h"
#include "platform/ListCtrl.h"

namespace {

// The icon every model has; models of a folder without the tank icon leave it out.
constexpr const char* kSystemIconName = "System";
// What the toolbar asks an icon to draw (every part of the picture).
constexpr DWORD kToolbarIconDrawFlags = 511;
// The tank value of a model that is in no user folder.
constexpr int kNoFolderTankValue = 5;

CExplorerObject* NodeOfRow(CListCtrl& list, int row) {
  auto* node = reinterpret_cast<CExplorerObject*>(list.GetItemData(row));
  return node && CExplorerObject::IsLive(node) ? node : nullptr;
}

CExplorerObject* NodeOfItem(CTreeCtrl& tree, HTREEITEM item) {
  auto* node = reinterpret_cast<CExplorerObject*>(tree.GetItemData(item));
  return node && CExplorerObject::IsLive(node) ? node : nullptr;
}

// A toolbar picture: the size asked for (width a multiple of 4, height of 2), cleared, with the icon drawn over it.
CDC DrawIcon(IQVIcon& icon, CSize size, COLORREF background) {
  const CRect whole(0, 0, size.cx - size.cx % 4, size.cy - size.cy % 2);
  CDC dc;
  dc.FillRect(whole, CBrush(background));
  icon.Draw(dc, whole, kToolbarIconDrawFlags);
  return dc;
}

}  // namespace

void CInvLibTBExplorer::GetLibTabModelList(int lib, int tab, std::vector<std::string>& names,
                                           std::vector<HTREEITEM>& items, std::vector<CInvLibTBModelIcons>& icons,
                                           CSize bitmapSize, COLORREF background) {
  names.clear();
  items.clear();
  icons.clear();
  CTreeCtrl* tree = GetInvCTreeCtrl();
  CListCtrl* list = GetInvCListCtrl();
  if (!tree || !list || lib < 0 || lib >= static_cast<int>(m_libTabs.size())) return;
  if (tab < 0 || tab >= static_cast<int>(m_libTabs[lib].size())) return;
  HTREEITEM folder = m_libTabs[lib][tab];
  if (!tree->IsValidItem(folder)) return;
  ExpendIfVisible(folder);
  int tankValue = kNoFolderTankValue;
  if (CExplorerObject* folderNode = NodeOfItem(*tree, folder); folderNode && folderNode->GetClassID() == CLSID_QVEOUserFolder)
    if (IFFolder* host = static_cast<CQVEOUserFolder*>(folderNode)->GetFolder()) host->GetTankIcon(&tankValue);

  for (HTREEITEM model = tree->GetChildItem(folder); model; model = tree->GetNextSiblingItem(model)) {
    if (GetImageIndxTreeItem(model) != m_iModelImage) continue;
    names.push_back(tree->GetItemText(model));
    items.push_back(model);
    CInvLibTBModelIcons pictures;
    Select(model);
    // The model's rows: its icons among its forms and texts.
    struct IconRow {
      CEOModelIcon* node;
      bool marked;
    };
    std::vector<IconRow> rows;
    bool onlySystem = true;
    for (int row = 0; row < list->GetItemCount(); ++row) {
      CExplorerObject* node = NodeOfRow(*list, row);
      if (!node || node->GetClassID() != CLSID_QVEOIcon) continue;
      auto* icon = static_cast<CEOModelIcon*>(node);
      rows.push_back({icon, (list->GetItemState(row, LVIS_OVERLAYMASK) & LVIS_OVERLAYMASK) != 0});
      if (icon->GetIconName() != kSystemIconName) onlySystem = false;
    }
    const bool drawSystem = onlySystem || tankValue >= 0;
    for (const IconRow& row : rows) {
      const bool isSystem = row.node->GetIconName() == kSystemIconName;
      if (isSystem && !drawSystem) continue;
      IQVIcon* icon = row.node->GetIcon();
      if (!icon) continue;
      pictures.bitmaps.push_back(DrawIcon(*icon, bitmapSize, background));
      const int drawn = static_cast<int>(pictures.bitmaps.size()) - 1;
      if (row.marked) pictures.defaultIcon = drawn;
    }
    // The System icon's mark passes to the first picture drawn; so does an unmarked model's.
    if (pictures.defaultIcon < 0 && !pictures.bitmaps.empty()) pictures.defaultIcon = 0;
    icons.push_back(std::move(pictures));
  }
}

void CInvLibTBExplorer::GetLibStreamList(int lib, std::vector<std::string>& names, std::vector<HTREEITEM>& items,
                                         std::vector<int>& lineStyles) {
  names.clear();
  items.clear();
  lineStyles.clear();
  CTreeCtrl* tree = GetInvCTreeCtrl();
  CListCtrl* list = GetInvCListCtrl();
  if (!tree || !list || lib < 0 || lib >= static_cast<int>(m_libStreamFolders.size())) return;
  HTREEITEM folder = m_libStreamFolders[lib];
  if (!folder || !tree->IsValidItem(folder)) return;
  ExpendIfVisible(folder);
  for (HTREEITEM stream = tree->GetChildItem(folder); stream; stream = tree->GetNextSiblingItem(stream)) {
    names.push_back(tree->GetItemText(stream));
    items.push_back(stream);
    Select(stream);
    // -1 keeps the codes beside their names for a stream type whose style cannot be read.
    int code = -1;
    for (int row = 0; row < list->GetItemCount(); ++row) {
      CExplorerObject* node = NodeOfRow(*list, row);
      if (!node || node->GetClassID() != CLSID_QVEOModelText) continue;
      CComPtr<IQVStreamType> style = ComQuery<IQVStreamType>(type_access::TypeOf(node->GetType()).Get());
      QVStreamDisplayRecord record;
      if (style && SUCCEEDED(style->GetDisplayRecord(&record))) {
        const int first = static_cast<int>(record.lineStyle & 0xFFFF);
        code = (record.hideLabels ? 0x8000 : 0) + static_cast<int>(record.colour) + (((first - 1) << 8) & 0xFF00);
      }
      break;
    }
    lineStyles.push_back(code);
  }
}
