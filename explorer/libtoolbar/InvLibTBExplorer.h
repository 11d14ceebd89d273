// What the host's Model Libraries toolbar shows, read from a hidden Explorer
// on the current simulation: the libraries (Custom Modeling and the Local
// Library first), for each library its tabs (the folders that hold models,
// in the order the user gave the folders), the models of a tab with their
// icon pictures, and the library's stream types with their line styles.
// Drags the toolbar starts are the hidden panes' own, so every drop rule of
// the Explorer applies. One provider per process, made on demand.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Draw.h"
#include "platform/TreeCtrl.h"

class CDocument;
class CExplorerFrame;
class CListCtrl;

// The hidden tree's shape at the last parse: its item count, and four
// top-level items with the number of items below each.
struct strInvLibTbExplorerState {
  int treeCount = 0;
  HTREEITEM simulation = nullptr;
  int simulationCount = 0;
  HTREEITEM customModeling = nullptr;
  int customModelingCount = 0;
  HTREEITEM localLibrary = nullptr;
  int localLibraryCount = 0;
  HTREEITEM libraries = nullptr;
  int librariesCount = 0;
  friend bool operator==(const strInvLibTbExplorerState&, const strInvLibTbExplorerState&) = default;
};

// One model's pictures for the toolbar: a drawing per icon, each as large
// as the toolbar asked and cleared with its background first.
struct CInvLibTBModelIcons {
  std::vector<CDC> bitmaps;
  int defaultIcon = -1;  // the picture the model shows first; -1 without icons
};

class CInvLibTBExplorer {
 public:
  static inline CInvLibTBExplorer* m_pInvInstance = nullptr;
  // 1 while the provider exists: Explorer windows then tell the toolbar of their changes.
  static inline int m_iCount = 0;

  static CInvLibTBExplorer* GetInvInstance();
  static void DestroyInvInstance();

  virtual ~CInvLibTBExplorer();
  CInvLibTBExplorer(const CInvLibTBExplorer&) = delete;
  CInvLibTBExplorer& operator=(const CInvLibTBExplorer&) = delete;

  // Null while the hidden window cannot be made (no application, template or document).
  CExplorerFrame* GetInvExplorer() const;
  CTreeCtrl* GetInvCTreeCtrl() const;

  // Items in the hidden tree; the hidden window is made again first when it has gone or shows nothing.
  int GetTreeCount();
  // Reads the libraries and their tabs; true when they changed since the last parse.
  bool GetParseTree();
  bool IsTreeLibsStateChanged();
  void GetInvExplorerState(HTREEITEM root, strInvLibTbExplorerState& state);
  static void SetDef0InvExplorerState(strInvLibTbExplorerState& state);

  // -1 without a Libraries item or library in it; 0 when the only one is "SystemLibrary"; else their number.
  int GetLibNum();
  // The libraries of the last parse: Custom Modeling, the Local Library, then those under Libraries.
  int GetAllLibCount() const { return static_cast<int>(m_libItems.size()); }
  std::string GetLibName(int lib) const;
  // The tab texts of library lib in tree order.
  void GetLibTabList(int lib, std::vector<std::string>& names) const;
  // The tabs in toolbar order with their items; order maps each to its place in tree order.
  // A tab hidden by its folder is named "#$".
  void GetLibTabNamehItemList(int lib, std::vector<std::string>& names, std::vector<HTREEITEM>& items,
                              std::vector<int>& order);
  // The models of a tab with their pictures, each bitmapSize large on background.
  void GetLibTabModelList(int lib, int tab, std::vector<std::string>& names, std::vector<HTREEITEM>& items,
                          std::vector<CInvLibTBModelIcons>& icons, CSize bitmapSize, COLORREF background);
  // The stream types of library lib and, beside each, its line-style code: 0x8000 when labels
  // are hidden, the style number minus one in bits 8-15, the colour in bits 0-7; -1 when unreadable.
  void GetLibStreamList(int lib, std::vector<std::string>& names, std::vector<HTREEITEM>& items,
                        std::vector<int>& lineStyles);

  void Select(HTREEITEM item);
  void SelectListItem(int row);
  // Drags started on the toolbar: the hidden panes start them as their own.
  void OnBeginDragTreeItem(HTREEITEM item, bool copyOnly);
  void OnBeginDragListItem(int row, bool copyOnly);

 private:
  CInvLibTBExplorer();

  void CreateInvExplorer();
  void CloseInvExplorer();
  bool IsInvExplorerAlive() const;
  CListCtrl* GetInvCListCtrl() const;

  HTREEITEM GetRootTreeItem() const;
  int GetRootTreeCount() const;
  HTREEITEM GetRootThisNameTreeItem(const std::string& name);
  HTREEITEM GetRootLibsTreeItem();
  int GetModelImageIndex();
  HTREEITEM GetChildNamed(HTREEITEM parent, const std::string& name);
  std::vector<HTREEITEM> GetChildrenWithChildren(HTREEITEM parent);
  std::vector<HTREEITEM> GetChildrenWithChildrenNoLibsOrExcluded(HTREEITEM parent);
  bool IsLibraryItem(HTREEITEM item) const;
  bool IsModelFolder(HTREEITEM folder);
  std::vector<HTREEITEM> GetModelFolders(HTREEITEM library);
  HTREEITEM StreamFolderOf(HTREEITEM library);
  int GetTreeChildItemCount(HTREEITEM item) const;
  std::string GetTextTreeItem(HTREEITEM item) const;
  int GetImageIndxTreeItem(HTREEITEM item) const;
  // The hidden tree fills an item's children when it is first expanded.
  void ExpendIfVisible(HTREEITEM item);
  void SelectAndExpend(HTREEITEM item);

  struct LibraryList {
    std::vector<HTREEITEM> items;
    std::vector<std::string> names;
    std::vector<HTREEITEM> streamFolders;
  };
  // Custom Modeling, the Local Library and the libraries under Libraries, in this order.
  LibraryList GetAllLibList();
  bool CompareTreeLibListsForRefresh(const LibraryList& libraries) const;

  CExplorerFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
  std::unique_ptr<CDocument> m_pViewDocument;
  unsigned char m_bParsing = 0;
  unsigned char m_bChanged = 0;
  strInvLibTbExplorerState m_state;
  int m_iModelImage = -1;

  std::vector<HTREEITEM> m_libItems;
  std::vector<std::string> m_libNames;
  std::vector<HTREEITEM> m_libStreamFolders;
  std::vector<std::vector<HTREEITEM>> m_libTabs;
  std::vector<int> m_libTabCounts;
};
