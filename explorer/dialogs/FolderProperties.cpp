#include "explorer/dialogs/FolderProperties.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <unordered_map>

#include "explorer/core/ExplorerObject.h"
#include "explorer/core/ExplorerPanes.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/nodes/library/QVEOUserFolder.h"
#include "explorer/resources/DialogIds.h"
#include "explorer/resources/FolderPropertiesTemplate.h"
#include "host/framework/CRQVDocument.h"
#include "platform/TextCompare.h"
#include "platform/TextTrim.h"
#include "platform/UserInterface.h"

namespace {

constexpr int kDescriptionLimit = 27;
constexpr int kTipDelay = 500;
constexpr const char* kFontFace = "MS Sans Serif";
constexpr int kFontHeight = 12;

// The kind folders of a library: never a group of the toolbar.
constexpr std::array<const char*, 9> kKindFolderNames = {"Models",  "Parameter Types", "Port Types",
                                                         "Procedures", "Scripts", "Stream Types",
                                                         "Structure Types", "Tasks", "Variable Types"};

// Row 0's description edit moves the focus on once per program run.
bool g_firstDescriptionFocusDone = false;

bool IsKindFolderName(const std::string& name) {
  return std::any_of(kKindFolderNames.begin(), kKindFolderNames.end(),
                     [&](const char* kind) { return EqualNoCase(name, kind); });
}

// A tree item fills its children when first expanded; the page reads them
// whether or not the user has opened the item, and leaves it as it was.
void MakeChildrenPresent(CTreeCtrl& tree, HTREEITEM item) {
  if (tree.GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED) return;
  if (!tree.ItemHasChildren(item)) return;
  tree.Expand(item, TVE_EXPAND);
  tree.Expand(item, TVE_COLLAPSE);
}

HTREEITEM ChildNamed(CTreeCtrl& tree, HTREEITEM parent, const std::string& name) {
  MakeChildrenPresent(tree, parent);
  for (HTREEITEM child = tree.GetChildItem(parent); child; child = tree.GetNextSiblingItem(child))
    if (EqualNoCase(tree.GetItemText(child), name)) return child;
  return nullptr;
}

int ImageOf(CTreeCtrl& tree, HTREEITEM item) {
  int image = -1, selected = -1;
  tree.GetItemDisplayImages(item, image, selected);
  return image;
}

bool HoldsImage(CTreeCtrl& tree, HTREEITEM folder, int image) {
  MakeChildrenPresent(tree, folder);
  for (HTREEITEM child = tree.GetChildItem(folder); child; child = tree.GetNextSiblingItem(child))
    if (ImageOf(tree, child) == image) return true;
  return false;
}

// The Custom Modeling item of a tree rooted at the simulation or at Custom Modeling itself.
HTREEITEM CustomModelingItem(CTreeCtrl& tree) {
  HTREEITEM root = tree.GetRootItem();
  if (!root) return nullptr;
  const std::string text = tree.GetItemText(root);
  if (EqualNoCase(text, "Simulation")) return ChildNamed(tree, root, "Custom Modeling");
  if (EqualNoCase(text, "Custom Modeling")) return root;
  return nullptr;
}

CFolderProperties::Folder FolderOfItem(CTreeCtrl& tree, HTREEITEM item) {
  CFolderProperties::Folder folder;
  folder.name = tree.GetItemText(item);
  auto* node = reinterpret_cast<CExplorerObject*>(tree.GetItemData(item));
  if (!node || !CExplorerObject::IsLive(node) || node->GetClassID() != CLSID_QVEOUserFolder) return folder;
  IFFolder* host = static_cast<CQVEOUserFolder*>(node)->GetFolder();
  if (!host) return folder;
  folder.host = host;
  int order = 0, tank = 0;
  if (SUCCEEDED(host->GetToolbarOrder(&order))) folder.storedOrder = order;
  if (SUCCEEDED(host->GetTankIcon(&tank))) folder.storedTank = tank < 0 ? 0 : 1;
  std::optional<std::string> description;
  if (SUCCEEDED(host->GetDescription(description))) folder.description = description.value_or("");
  return folder;
}

// The row of control id in the grid and which of its controls it is (0 name, 1 description, 2 visible, 3 tank).
bool FindRowControl(int id, int& row, int& column) {
  for (row = 0; row < kFolderRowCount; ++row) {
    const FolderRowIds& ids = kFolderRows[row];
    const int columns[] = {ids.name, ids.description, ids.visible, ids.tankIcon};
    for (column = 0; column < 4; ++column)
      if (columns[column] == id) return true;
  }
  return false;
}

// The values a folder had before OK, to put back when a later write fails.
struct WrittenFolder {
  IFFolder* host;
  int order;
  int tank;
  std::optional<std::string> description;
};

}  // namespace

CFolderProperties::CFolderProperties() : CPropertyPage(IDD_FOLDER_PROPERTIES) {
  m_normalFont.CreateFont(kFontHeight, FW_NORMAL, kFontFace);
  m_boldFont.CreateFont(kFontHeight, FW_BOLD, kFontFace);
}

void CFolderProperties::LoadFolders() {
  m_folders.clear();
  auto* panes = dynamic_cast<IExplorerPanes*>(m_owner);
  CTreeCtrl* tree = panes ? panes->GetTreePaneControl() : nullptr;
  if (!tree) return;
  HTREEITEM custom = CustomModelingItem(*tree);
  HTREEITEM models = custom ? ChildNamed(*tree, custom, "Models") : nullptr;
  HTREEITEM hierarchy = models ? ChildNamed(*tree, models, "Hierarchy") : nullptr;
  if (!hierarchy) return;
  const int modelImage = ImageOf(*tree, hierarchy);

  std::vector<Folder> ordered, unordered, hidden;
  for (HTREEITEM item = tree->GetChildItem(custom); item; item = tree->GetNextSiblingItem(item)) {
    if (IsKindFolderName(tree->GetItemText(item)) || !HoldsImage(*tree, item, modelImage)) continue;
    Folder folder = FolderOfItem(*tree, item);
    folder.tank = folder.storedTank;
    if (folder.storedOrder > 0) {
      ordered.push_back(std::move(folder));
    } else if (folder.storedOrder == 0) {
      unordered.push_back(std::move(folder));
    } else {
      folder.visible = 0;
      hidden.push_back(std::move(folder));
    }
  }
  std::stable_sort(ordered.begin(), ordered.end(), [](const Folder& a, const Folder& b) { return a.storedOrder < b.storedOrder; });
  const auto byName = [](const Folder& a, const Folder& b) { return CompareNoCase(a.name, b.name) < 0; };
  std::stable_sort(unordered.begin(), unordered.end(), byName);
  std::stable_sort(hidden.begin(), hidden.end(), byName);
  for (std::vector<Folder>* group : {&ordered, &unordered, &hidden})
    std::move(group->begin(), group->end(), std::back_inserter(m_folders));
}

std::vector<std::string> CFolderProperties::Describe() const {
  std::vector<std::string> lines{GetWindowText(), "  Folder Name | Description | Visible | Tank Icon"};
  const auto mark = [this](int id) { return IsDlgButtonChecked(id) == BST_CHECKED ? "[x]" : "[ ]"; };
  for (int row = 0; row < RowsInUse(); ++row) {
    const FolderRowIds& ids = kFolderRows[row];
    lines.push_back("  <" + GetDlgItemText(ids.name) + ">" + (row == m_selectedRow ? " (selected)" : "") +
                    "  Description: " + GetDlgItemText(ids.description) + "  " + mark(ids.visible) + " Visible  " +
                    mark(ids.tankIcon) + " Tank Icon");
  }
  if (CDialogItem* bar = Item(IDC_FOLDER_SCROLL); bar && bar->IsVisibleFlag())
    lines.push_back("  Scroll bar: " + std::to_string(bar->GetScrollPos()) + " (" + std::to_string(bar->ScrollMin()) +
                    "-" + std::to_string(bar->ScrollMax()) + ")");
  for (int id : {IDC_FOLDER_MOVE_UP, IDC_FOLDER_MOVE_DOWN})
    if (CDialogItem* button = Item(id))
      lines.push_back("  <" + button->GetWindowText() + ">" + (button->IsWindowEnabled() ? "" : " (disabled)"));
  return lines;
}

bool CFolderProperties::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  for (const FolderRowIds& ids : kFolderRows)
    if (CDialogItem* edit = Item(ids.description)) edit->SetLimitText(kDescriptionLimit);
  const bool scrolling = static_cast<int>(m_folders.size()) > kRows;
  if (CDialogItem* bar = Item(IDC_FOLDER_SCROLL)) {
    if (scrolling) {
      bar->SetScrollRange(0, MaxScroll());
      bar->SetScrollPos(0);
    } else {
      bar->ShowWindow(SW_HIDE);
    }
  }
  for (int row = RowsInUse(); row < kRows; ++row) {
    const FolderRowIds& ids = kFolderRows[row];
    for (int id : {ids.name, ids.description, ids.visible, ids.tankIcon}) {
      CDialogItem* control = Item(id);
      if (!control) continue;
      control->EnableWindow(false);
      if (id == ids.name || id == ids.description) control->SetWindowText("");
    }
  }
  m_top = 0;
  FillRows();
  m_visibleTip.Create(this, TTS_ALWAYSTIP);
  m_visibleTip.SetDelayTime(TTDT_INITIAL, kTipDelay);
  m_visibleTip.AddTool(Item(IDC_FOLDER_VISIBLE_LABEL), "If checked then a folder is visible in Model Libraries toolbar");
  m_visibleTip.Activate(true);
  m_tankTip.Create(this, TTS_ALWAYSTIP);
  m_tankTip.SetDelayTime(TTDT_INITIAL, kTipDelay);
  m_tankTip.AddTool(Item(IDC_FOLDER_TANK_ICON_LABEL),
                    "If unchecked then models of a folder do not have Tank Icon in Model Libraries toolbar");
  m_tankTip.Activate(true);
  ClearSelection();
  return true;
}

void CFolderProperties::FillRows() {
  for (int row = 0; row < RowsInUse(); ++row) FillRow(row);
}

void CFolderProperties::FillRow(int row) {
  const int index = m_top + row;
  if (row < 0 || row >= RowsInUse() || index >= static_cast<int>(m_folders.size())) return;
  const Folder& folder = m_folders[index];
  const FolderRowIds& ids = kFolderRows[row];
  SetDlgItemText(ids.name, folder.name);
  // The edit reports the change back; the folder already holds this text.
  SetDlgItemText(ids.description, folder.description);
  CheckDlgButton(ids.visible, folder.visible ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(ids.tankIcon, folder.tank ? BST_CHECKED : BST_UNCHECKED);
}

void CFolderProperties::EnableButton(int id, bool enable) {
  if (CDialogItem* button = Item(id)) button->EnableWindow(enable);
}

void CFolderProperties::BoldRow(int row) {
  for (int r = 0; r < kRows; ++r)
    if (CDialogItem* name = Item(kFolderRows[r].name)) name->SetFont(r == row ? m_boldFont : m_normalFont);
}

void CFolderProperties::ClearSelection() {
  m_selectionActive = false;
  m_selectedRow = -1;
  m_selectedFolder = -1;
  EnableButton(IDC_FOLDER_MOVE_UP, false);
  EnableButton(IDC_FOLDER_MOVE_DOWN, false);
  BoldRow(-1);
}

void CFolderProperties::SelectRow(int row) {
  if (row < 0 || row >= RowsInUse()) return;
  m_selectedRow = row;
  BoldRow(row);
  m_selectedFolder = m_top + row;
  m_selectionActive = true;
  UpdateMoveButtons();
}

void CFolderProperties::UpdateMoveButtons() {
  const int count = static_cast<int>(m_folders.size());
  const bool any = count >= 2 && m_selectionActive;
  EnableButton(IDC_FOLDER_MOVE_UP, any && m_selectedFolder >= 1);
  EnableButton(IDC_FOLDER_MOVE_DOWN, any && m_selectedFolder < count - 1);
}

void CFolderProperties::BringSelectionIntoView() {
  while (m_selectedRow < 0) {
    const int step = m_selectedFolder < m_top ? -1 : 1;
    ScrollTo(m_top + step);
  }
}

void CFolderProperties::MoveDown() {
  const int count = static_cast<int>(m_folders.size());
  if (!m_selectionActive || m_selectedFolder < 0 || m_selectedFolder >= count - 1) return;
  EnableButton(IDC_FOLDER_MOVE_UP, true);
  if (m_selectedRow < 0) {
    BringSelectionIntoView();
    if (m_selectedFolder == 0) EnableButton(IDC_FOLDER_MOVE_UP, false);
    return;
  }
  if (m_selectedRow == RowsInUse() - 1) ScrollTo(m_top + 1);
  std::swap(m_folders[m_selectedFolder], m_folders[m_selectedFolder + 1]);
  FillRow(m_selectedRow + 1);
  FillRow(m_selectedRow);
  m_selectedRow += 1;
  m_selectedFolder = m_top + m_selectedRow;
  BoldRow(m_selectedRow);
  if (m_selectedFolder == count - 1) EnableButton(IDC_FOLDER_MOVE_DOWN, false);
}

void CFolderProperties::MoveUp() {
  const int count = static_cast<int>(m_folders.size());
  if (!m_selectionActive || m_selectedFolder <= 0 || m_selectedFolder >= count) return;
  EnableButton(IDC_FOLDER_MOVE_DOWN, true);
  if (m_selectedRow < 0) {
    BringSelectionIntoView();
    if (m_selectedFolder == count - 1) EnableButton(IDC_FOLDER_MOVE_DOWN, false);
    return;
  }
  if (m_selectedRow == 0) ScrollTo(m_top - 1);
  std::swap(m_folders[m_selectedFolder], m_folders[m_selectedFolder - 1]);
  FillRow(m_selectedRow - 1);
  FillRow(m_selectedRow);
  m_selectedRow -= 1;
  m_selectedFolder = m_top + m_selectedRow;
  BoldRow(m_selectedRow);
  if (m_selectedFolder == 0) EnableButton(IDC_FOLDER_MOVE_UP, false);
}

void CFolderProperties::OnVScroll(UINT request, int thumbPos, CDialogItem* bar) {
  if (!bar) return;
  int position = bar->GetScrollPos();
  const int max = MaxScroll();
  // The page never gives the bar a page size, so a page request moves by none.
  constexpr int kPage = 0;
  switch (request) {
    case SB_LINEUP: if (position > 0) --position; break;
    case SB_LINEDOWN: if (position < max) ++position; break;
    case SB_PAGEUP: if (position > 0) position = std::max(0, position - kPage); break;
    case SB_PAGEDOWN: if (position < max) position = std::min(max, position + kPage); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: position = thumbPos; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = max; break;
    default: return;  // end of scroll
  }
  ScrollTo(position);
}

void CFolderProperties::ScrollTo(int position) {
  position = std::clamp(position, 0, std::max(0, MaxScroll()));
  if (CDialogItem* bar = Item(IDC_FOLDER_SCROLL)) bar->SetScrollPos(position);
  m_top = position;
  FillRows();
  GotoDlgCtrl(Item(kFolderRows[0].name));
  if (!m_selectionActive) return;
  m_selectedRow = m_selectedFolder - m_top;
  if (m_selectedRow >= 0 && m_selectedRow < RowsInUse()) {
    BoldRow(m_selectedRow);
    return;
  }
  m_selectedRow = -1;
  BoldRow(-1);
  GotoDlgCtrl(Item(IDC_FOLDER_MOVE_UP));
  GotoDlgCtrl(Item(IDC_FOLDER_MOVE_DOWN));
}

bool CFolderProperties::OnControlCommand(int id, UINT code) {
  if (id == IDC_FOLDER_MOVE_DOWN && code == BN_CLICKED) {
    MoveDown();
    return true;
  }
  if (id == IDC_FOLDER_MOVE_UP && code == BN_CLICKED) {
    MoveUp();
    return true;
  }
  if (id == IDC_FOLDER_IB) return true;
  int row = 0, column = 0;
  if (!FindRowControl(id, row, column)) return false;
  const int index = m_top + row;
  const bool listed = row < RowsInUse() && index < static_cast<int>(m_folders.size());
  switch (column) {
    case 0:
      if (code == BN_CLICKED) SelectRow(row);
      return true;
    case 1: {
      CDialogItem* edit = Item(id);
      if (code == EN_CHANGE && listed && edit && edit->IsWindowEnabled()) m_folders[index].description = edit->GetWindowText();
      if (code == EN_SETFOCUS) {
        if (row == 0 && !g_firstDescriptionFocusDone && edit) {
          g_firstDescriptionFocusDone = true;
          edit->SetSel(0, 0);
          GotoDlgCtrl(Item(kFolderRows[0].name));
        }
        ClearSelection();
      }
      return true;
    }
    case 2:
      if (code == BN_CLICKED && listed) m_folders[index].visible = !m_folders[index].visible;
      return true;
    default:
      if (code == BN_CLICKED && listed) m_folders[index].tank = !m_folders[index].tank;
      return true;
  }
}

bool CFolderProperties::PreTranslateMessage(MSG* msg) {
  for (CToolTipCtrl* tip : {&m_visibleTip, &m_tankTip}) {
    tip->Activate(true);
    tip->RelayEvent(msg);
  }
  return CPropertyPage::PreTranslateMessage(msg);
}

bool CFolderProperties::FindDuplicateDescription() {
  for (Folder& folder : m_folders) folder.description = TrimText(folder.description);
  if (m_folders.size() < 2) return false;
  // The pair reported is the one whose first folder comes first, then whose
  // second does: each description's first two holders, found in one pass.
  std::unordered_map<std::string, std::pair<std::size_t, std::size_t>> holders;
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  for (std::size_t i = 0; i < m_folders.size(); ++i) {
    if (m_folders[i].description.empty()) continue;
    std::string key = m_folders[i].description;
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return AsciiLower(c); });
    auto [entry, added] = holders.try_emplace(std::move(key), i, kNone);
    if (!added && entry->second.second == kNone) entry->second.second = i;
  }
  std::size_t first = kNone, second = kNone;
  for (const auto& [key, pair] : holders)
    if (pair.second != kNone && (first == kNone || pair.first < first)) std::tie(first, second) = pair;
  if (first == kNone) return false;
  m_duplicate = m_folders[first].description;
  m_duplicateFirst = m_folders[first].name;
  m_duplicateSecond = m_folders[second].name;
  return true;
}

std::string CFolderProperties::DuplicateMessage() const {
  return "Folders  \"" + m_duplicateFirst + "\"  and  \"" + m_duplicateSecond + "\"  have duplicate description  \"" +
         m_duplicate + "\"  !  ";
}

bool CFolderProperties::OnApply() { return Save(); }

bool CFolderProperties::Save() {
  if (m_folders.empty()) return true;
  for (Folder& folder : m_folders) folder.description = TrimText(folder.description);
  // Every folder's old values are read first, so a refusal part way can put all of them back.
  std::vector<WrittenFolder> before;
  for (const Folder& folder : m_folders) {
    if (!folder.host) continue;
    WrittenFolder old{folder.host.Get(), 0, 0, std::nullopt};
    folder.host->GetToolbarOrder(&old.order);
    folder.host->GetTankIcon(&old.tank);
    folder.host->GetDescription(old.description);
    before.push_back(std::move(old));
  }
  int next = 1;
  bool refused = false;
  for (const Folder& folder : m_folders) {
    const int order = folder.visible ? next++ : -1;
    if (!folder.host) continue;
    const std::optional<std::string> description =
        folder.description.empty() ? std::nullopt : std::optional<std::string>(folder.description);
    if (FAILED(folder.host->SetToolbarOrder(order)) || FAILED(folder.host->SetTankIcon(folder.tank ? 1 : -1)) ||
        FAILED(folder.host->SetDescription(description))) {
      refused = true;
      break;
    }
  }
  if (refused) {
    for (const WrittenFolder& old : before) {
      old.host->SetToolbarOrder(old.order);
      old.host->SetTankIcon(old.tank);
      old.host->SetDescription(old.description);
    }
    AfxMessageBox("The folder settings could not be saved; the folders keep their earlier settings.",
                  MB_OK | MB_ICONEXCLAMATION, "Folder Properties");
    return false;
  }
  if (CRQVDocument* document = CQVExplorer::GetCurrentDocument()) document->SetModifiedFlag(true);
  return true;
}
