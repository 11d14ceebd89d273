// The explorer object: every item shown in an Explorer window's tree pane and
// contents pane is a node of a class derived from CExplorerObject (containers
// from CExplorerContainerObject). A node holds counted references to the
// host's store and asks it each time; it never stores simulation data itself.
//
// The virtual operations are declared in their fixed slot order; node classes
// override them by name. Every node registers in a process-wide live set while
// it exists, so code that receives a node pointer through a posted message can
// check it before touching it (IsLive).
#pragma once

#include <cstddef>
#include <string>

#include "explorer/core/EOAspect.h"
#include "explorer/core/ListSortInfo.h"
#include "host/com/ComPtr.h"
#include "host/store/IFInstance.h"
#include "host/store/IFTypeDesc.h"
#include "platform/Command.h"
#include "platform/Guid.h"
#include "platform/ListCtrl.h"
#include "platform/Menu.h"
#include "platform/Ole.h"
#include "platform/TreeCtrl.h"

// Status values.
constexpr int EO_STATUS_SYSTEM = 0;
constexpr int EO_STATUS_NOT_OK = 1;
constexpr int EO_STATUS_OK = 2;

// The overlay that marks a node whose status is "not OK".
constexpr int EO_OVERLAY_ERROR = 1;

class IExplorerWindow;

class CExplorerObject {
 public:
  // Which of the host objects a constructor stores: the type, or an instance.
  struct ForType {};
  struct ForInstance {};

  // A node made for a type, without and with icons.
  CExplorerObject(ForType, IFInstance* type, CWnd* owner, int readOnly);
  CExplorerObject(ForType, IFInstance* type, UINT openIconId, UINT normalIconId, CWnd* owner, int readOnly);
  // A node made for a type descriptor; its type is obtained when first asked for.
  CExplorerObject(IFTypeDesc* typeDesc, UINT openIconId, UINT normalIconId, CWnd* owner, int readOnly);
  // A node made for an instance, without and with icons.
  CExplorerObject(ForInstance, IFInstance* instance, CWnd* owner, int readOnly);
  CExplorerObject(ForInstance, IFInstance* instance, UINT openIconId, UINT normalIconId, CWnd* owner,
                  int readOnly);
  CExplorerObject(const CExplorerObject&) = delete;
  CExplorerObject& operator=(const CExplorerObject&) = delete;

  // ---- the virtual operations, in slot order
  virtual ~CExplorerObject();                                      // 0
  virtual void GetStatus();                                        // 1
  // The node's type, checked with the store on every call; no reference for the caller.
  virtual IFInstance* GetType();                                   // 2
  virtual IFInstance* GetInstance();                               // 3
  virtual int operator==(CExplorerObject& other);                  // 4
  virtual int SelfDestruct(int confirm);                           // 5
  virtual const GUID& GetClassID() = 0;                            // 6
  virtual int GetClassName(std::string& name) = 0;                 // 7
  virtual CExplorerObject* Clone() = 0;                            // 8
  virtual int GetImage(int large, int open);                       // 9
  virtual int BuildContextMenu(CMenu& menu);                       // 10
  virtual void DoCommand(UINT id);                                 // 11
  virtual void DoDefaultAction();                                  // 12
  virtual int CanDoCommand(UINT id);                               // 13
  virtual void SetCommandState(CCmdUI* ui);                        // 14
  virtual DWORD DoDragDrop();                                      // 15
  virtual DWORD OnDragOver(COleDataObject* data, DWORD keyState);  // 16
  virtual int OnDrop(COleDataObject* data, DWORD dropEffect);      // 17
  virtual int GetDisplayText(EOAspect aspect, std::string& text);  // 18
  virtual int IsContainer();                                       // 19
  virtual int IsValid();                                           // 20
  virtual int GetOverlay(int& state);                              // 21
  virtual int IsLibraryObject();                                   // 22
  virtual void OnSelect();                                         // 23
  virtual int GetSortVal(int column, double& value);               // 24
  virtual int GetSortVal(int column, int& value);                  // 25
  virtual int GetSortVal(int column, std::string& value);          // 26
  virtual int DontEditLabel();                                     // 27
  virtual int EditLabel(std::string newName);                      // 28

  // ---- shared operations
  // Loads the open and normal icons into the process's image lists.
  void LoadIcons(UINT openIconId, UINT normalIconId);
  // Asks the host (SHOW_CORVANEVIEW to the main window) to open a view of viewClass for this node.
  void OpenView(REFCLSID viewClass, int byDescriptor, const std::string& text, IUnknown* dataSource,
                const std::string& name, int noName);
  // Opens a new Explorer window rooted at a node of this class for this node's type.
  void Explore();
  // Starts renaming this node's label in the pane that has the focus. Returns 1.
  int StartLabelEdit();
  // The shared rename of a type node: 1 when renamed, 0 (label reverts) otherwise.
  int RenameType(const std::string& newName);
  // The shared deletion of a type node (the base SelfDestruct): 1 when deleted.
  int DeleteType(int confirm);

  // Contents-pane columns titled from the string table, each as wide as this
  // node class last left it (column 0 defaults to 100 pixels, the others to 60).
  void InsertColumns(CListCtrl& list, int count, const UINT titleIds[]);
  // A row for node at position: its name, its image asked of the pane when
  // drawn, and its overlay (the node's own, else the error mark for status 1).
  static int InsertListItem(CListCtrl& list, int position, CExplorerObject* node);
  // Appends node's row and fills column i + 1 with aspect i; negative when the row could not be inserted.
  static int AddListItem(CListCtrl& list, CExplorerObject* node, const EOAspect aspects[], int count);
  // A tree item for this node under parent; ok == 0 marks it with the error overlay.
  HTREEITEM InsertTreeItem(CTreeCtrl& tree, const std::string& text, HTREEITEM parent, HTREEITEM insertAfter,
                           int ok);
  // The item's error overlay follows this node's status.
  void SetTreeItemStatus(CTreeCtrl& tree, HTREEITEM item);
  // Deletes every row and its node, keeps the column widths for this node class, deletes the columns.
  void ClearList(CListCtrl& list);
  // The registry key of this node class's column widths; false when the class has none.
  int GetColumnWidthKey(std::string& key);

  // ---- state
  CWnd* GetOwner() const;
  // The Explorer window that owns this node; null when the owner is some other window or is gone.
  IExplorerWindow* GetOwnerWindow() const;
  int GetStatusCode() const { return m_nStatus; }
  UINT GetStatusTextId() const { return m_nStatusTextId; }
  int IsDeletable() const { return m_bDeletable; }
  // The panes hold a node undeletable while its label is being edited.
  void SetDeletable(int deletable) { m_bDeletable = deletable; }
  void SetReadOnly(int readOnly) { m_bReadOnly = readOnly; }

  // Nodes are made in the node pool (see NodePool.h).
  static void* operator new(std::size_t size);
  static void operator delete(void* p, std::size_t size) noexcept;

  // True while node is an explorer object that has not been destroyed.
  static bool IsLive(const CExplorerObject* node);
  static std::size_t LiveCount();

 protected:
  // The shared status of type nodes: "OK" or "Not OK" from the type's compile
  // state, "System" for built-in types and nodes without a type.
  void ComputeTypeStatus();
  // The registered messages of this node go to its owner window (nothing without one).
  LRESULT SendToOwner(UINT message, WPARAM wParam, LPARAM lParam);
  void PostToOwner(UINT message, WPARAM wParam, LPARAM lParam);

  CComPtr<IFInstance> m_pType;
  CWnd* m_pOwner = nullptr;
  CComPtr<IFTypeDesc> m_pTypeDesc;
  CComPtr<IFInstance> m_pInstance;
  int m_nLargeOpenImage = -1;
  int m_nLargeImage = -1;
  int m_nSmallOpenImage = -1;
  int m_nSmallImage = -1;
  int m_bDeletable = 1;
  int m_bReadOnly = 0;
  int m_nStatus = EO_STATUS_OK;
  UINT m_nStatusTextId = 0;

 private:
  CExplorerObject(IFInstance* type, IFTypeDesc* typeDesc, IFInstance* instance, CWnd* owner, int readOnly);
  // Made for a type or a descriptor: when neither resolves any more, the type was lost.
  bool MadeForType() const { return m_madeForType; }

  // The descriptor of the type this node was made for, kept once seen: after
  // the type is gone, the nodes that stood for it still know one another.
  void RememberTypeIdentity();

  HWND m_hOwner = nullptr;  // the owner's window when it had one: messages go by handle
  bool m_madeForType = false;
  CComPtr<IUnknown> m_pTypeIdentity;
};
