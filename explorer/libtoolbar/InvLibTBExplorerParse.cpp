// The libraries and tabs of the toolbar: found in the hidden tree, re-read
// only when the tree's shape or the library list changed, and the tabs put
// in the order the user gave their folders.
#include <array>
#include <map>

#include "explorer/core/ExplorerObject.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/libtoolbar/InvLibTBExplorer.h"
#include "explorer/nodes/library/QVEOUserFolder.h"
#include "platform/TextCompare.h"

namespace {

// Folders of these kinds never become tabs, whatever they hold.
constexpr std::array<const char*, 8> kExcludedTabNames = {"Stream Types", "Parameter Types", "Port Types",
                                                          "Procedures",   "Scripts",         "Tasks",
                                                          "Variable Types", "Structure Types"};

// What a hidden tab is called in the lists the toolbar reads.
constexpr const char* kHiddenTabName = "#$";

bool IsExcludedTabName(const std::string& name) {
  for (const char* excluded : kExcludedTabNames)
    if (EqualNoCase(name, excluded)) return true;
  return false;
}

}  // namespace

void CInvLibTBExplorer::SetDef0InvExplorerState(strInvLibTbExplorerState& state) { state = strInvLibTbExplorerState{}; }

void CInvLibTBExplorer::GetInvExplorerState(HTREEITEM /*root*/, strInvLibTbExplorerState& state) {
  state.treeCount = GetRootTreeCount();
  const auto named = [this](const char* name, HTREEITEM& item, int& count) {
    item = GetRootThisNameTreeItem(name);
    count = GetTreeChildItemCount(item);
  };
  named("Simulation", state.simulation, state.simulationCount);
  named("Custom Modeling", state.customModeling, state.customModelingCount);
  named("Local Library", state.localLibrary, state.localLibraryCount);
  named("Libraries", state.libraries, state.librariesCount);
}

HTREEITEM CInvLibTBExplorer::StreamFolderOf(HTREEITEM library) {
  for (HTREEITEM folder : GetChildrenWithChildren(library))
    if (EqualNoCase(GetTextTreeItem(folder), "Stream Types")) return folder;
  return nullptr;
}

CInvLibTBExplorer::LibraryList CInvLibTBExplorer::GetAllLibList() {
  LibraryList list;
  const auto add = [&](HTREEITEM library) {
    const std::string name = GetTextTreeItem(library);
    if (name.empty()) return;
    list.items.push_back(library);
    list.names.push_back(name);
    list.streamFolders.push_back(StreamFolderOf(library));
  };
  for (const char* top : {"Custom Modeling", "Local Library"})
    if (HTREEITEM library = GetRootThisNameTreeItem(top)) add(library);
  if (HTREEITEM libraries = GetRootLibsTreeItem())
    for (HTREEITEM library : GetChildrenWithChildren(libraries)) add(library);
  return list;
}

bool CInvLibTBExplorer::CompareTreeLibListsForRefresh(const LibraryList& libraries) const {
  return libraries.items != m_libItems || libraries.names != m_libNames ||
         libraries.streamFolders != m_libStreamFolders;
}

bool CInvLibTBExplorer::IsTreeLibsStateChanged() {
  HTREEITEM root = GetRootTreeItem();
  if (!root) return false;
  strInvLibTbExplorerState now;
  GetInvExplorerState(root, now);
  return !(now == m_state) || CompareTreeLibListsForRefresh(GetAllLibList());
}

bool CInvLibTBExplorer::GetParseTree() {
  m_bParsing = 1;
  m_bChanged = 0;
  HTREEITEM root = GetRootTreeItem();
  if (!root || GetRootTreeCount() == 0) {
    m_bParsing = 0;
    return false;
  }
  if (m_iModelImage < 0) m_iModelImage = GetModelImageIndex();
  // Reading the libraries fills the folders they show; the shape is taken after that.
  const LibraryList libraries = GetAllLibList();
  strInvLibTbExplorerState now;
  GetInvExplorerState(root, now);
  if (libraries.items.empty()) {
    m_state = now;
    m_bParsing = 0;
    return false;
  }
  m_bChanged = !(now == m_state) || CompareTreeLibListsForRefresh(libraries);
  if (m_bChanged) {
    m_libItems = libraries.items;
    m_libNames = libraries.names;
    m_libStreamFolders = libraries.streamFolders;
    m_libTabs.clear();
    m_libTabCounts.clear();
    for (HTREEITEM library : m_libItems) {
      m_libTabs.push_back(GetModelFolders(library));
      m_libTabCounts.push_back(static_cast<int>(m_libTabs.back().size()));
    }
  }
  m_state = now;
  m_bParsing = 0;
  return m_bChanged != 0;
}

int CInvLibTBExplorer::GetLibNum() {
  HTREEITEM libraries = GetRootLibsTreeItem();
  if (!libraries) return -1;
  const std::vector<HTREEITEM> found = GetChildrenWithChildren(libraries);
  if (found.empty()) return -1;
  if (found.size() == 1 && EqualNoCase(GetTextTreeItem(found.front()), "SystemLibrary")) return 0;
  return static_cast<int>(found.size());
}

std::string CInvLibTBExplorer::GetLibName(int lib) const {
  return lib >= 0 && lib < static_cast<int>(m_libNames.size()) ? m_libNames[lib] : std::string();
}

bool CInvLibTBExplorer::IsModelFolder(HTREEITEM folder) {
  CTreeCtrl* tree = GetInvCTreeCtrl();
  if (!tree || m_iModelImage < 0) return false;
  ExpendIfVisible(folder);
  for (HTREEITEM child = tree->GetChildItem(folder); child; child = tree->GetNextSiblingItem(child))
    if (GetImageIndxTreeItem(child) == m_iModelImage) return true;
  return false;
}

std::vector<HTREEITEM> CInvLibTBExplorer::GetChildrenWithChildrenNoLibsOrExcluded(HTREEITEM parent) {
  std::vector<HTREEITEM> folders;
  for (HTREEITEM child : GetChildrenWithChildren(parent))
    if (!IsExcludedTabName(GetTextTreeItem(child)) && !IsLibraryItem(child)) folders.push_back(child);
  return folders;
}

std::vector<HTREEITEM> CInvLibTBExplorer::GetModelFolders(HTREEITEM library) {
  std::vector<HTREEITEM> tabs;
  for (HTREEITEM folder : GetChildrenWithChildrenNoLibsOrExcluded(library))
    if (!GetTextTreeItem(folder).empty() && IsModelFolder(folder)) tabs.push_back(folder);
  return tabs;
}

void CInvLibTBExplorer::GetLibTabList(int lib, std::vector<std::string>& names) const {
  names.clear();
  if (lib < 0 || lib >= static_cast<int>(m_libTabs.size())) return;
  for (HTREEITEM tab : m_libTabs[lib]) names.push_back(GetTextTreeItem(tab));
}

void CInvLibTBExplorer::GetLibTabNamehItemList(int lib, std::vector<std::string>& names, std::vector<HTREEITEM>& items,
                                               std::vector<int>& order) {
  names.clear();
  items.clear();
  order.clear();
  if (lib < 0 || lib >= static_cast<int>(m_libTabs.size())) return;
  CTreeCtrl* tree = GetInvCTreeCtrl();
  const std::vector<HTREEITEM>& tabs = m_libTabs[lib];
  const int n = static_cast<int>(tabs.size());
  struct Tab {
    std::string name;
    HTREEITEM item;
    int position = 0;
    int treeIndex = 0;
  };
  std::vector<Tab> all;
  for (int i = 0; i < n; ++i) {
    Tab tab{GetTextTreeItem(tabs[i]), tabs[i], 0, i};
    auto* node = tree ? reinterpret_cast<CExplorerObject*>(tree->GetItemData(tabs[i])) : nullptr;
    if (node && CExplorerObject::IsLive(node) && node->GetClassID() == CLSID_QVEOUserFolder) {
      if (IFFolder* folder = static_cast<CQVEOUserFolder*>(node)->GetFolder()) {
        folder->GetToolbarOrder(&tab.position);
        std::optional<std::string> caption;
        if (SUCCEEDED(folder->GetDescription(caption)) && caption && !caption->empty()) tab.name = *caption;
      }
    }
    all.push_back(std::move(tab));
  }
  // Positive positions take their slot (a later tab with the same position
  // takes it from an earlier one); a position past the last tab goes after
  // the slots, by position.
  std::vector<const Tab*> slots(n + 1, nullptr);
  std::multimap<int, const Tab*> beyond;
  std::vector<const Tab*> unplaced, hidden;
  for (const Tab& tab : all) {
    if (tab.position > n) {
      beyond.emplace(tab.position, &tab);
    } else if (tab.position > 0) {
      slots[tab.position] = &tab;
    } else if (tab.position == 0) {
      unplaced.push_back(&tab);
    } else {
      hidden.push_back(&tab);
    }
  }
  std::vector<const Tab*> result;
  for (const Tab* slot : slots)
    if (slot) result.push_back(slot);
  for (const auto& [position, tab] : beyond) result.push_back(tab);
  result.insert(result.end(), unplaced.begin(), unplaced.end());
  const std::size_t shown = result.size();
  result.insert(result.end(), hidden.begin(), hidden.end());
  if (static_cast<int>(result.size()) != n) {
    // Two folders claimed one place: the tabs keep the tree's order.
    for (const Tab& tab : all) {
      names.push_back(tab.name);
      items.push_back(tab.item);
      order.push_back(tab.treeIndex);
    }
    return;
  }
  for (std::size_t i = 0; i < result.size(); ++i) {
    names.push_back(i < shown ? result[i]->name : kHiddenTabName);
    items.push_back(result[i]->item);
    order.push_back(result[i]->treeIndex);
  }
}
