// The Explorer's tree pane: the root node and, lazily, its descendants. Every
// item carries the node that inserted it as item data and the pane owns those
// nodes (except the root, which the frame owns). The pane turns tree events
// into calls on the nodes, keeps the tree in step with the host's updates and
// tells its frame about selection and focus with the registered messages.
#pragma once

#include <string>
#include <vector>

#include "platform/Document.h"
#include "platform/Guid.h"
#include "platform/Ole.h"
#include "platform/TreeCtrl.h"

class CExplorerContainerObject;
class CExplorerFrame;
class CExplorerObject;

// The auto-scroll zones of a drag over the pane.
constexpr DWORD EXPLORER_SCROLL_NONE = 0;
constexpr DWORD EXPLORER_SCROLL_UP = 256;
constexpr DWORD EXPLORER_SCROLL_DOWN = 512;
constexpr DWORD EXPLORER_SCROLL_RIGHT = 1024;
constexpr DWORD EXPLORER_SCROLL_LEFT = 2048;

class CExplorerTreeView : public CTreeCtrl, public CView {
 public:
  CExplorerTreeView();
  ~CExplorerTreeView() override;

  // Set when the last right-click on the diagnostics item found an unconverged group.
  static inline int mbfHasUnconverged = 0;

  using CTreeCtrl::Create;
  using CTreeCtrl::HitTest;
  bool Create(const CRect& rect, CWnd* parent, UINT id);
  CWnd* ViewWindow() override { return this; }

  // ---- the context (the root node, owned by the frame)
  void SetContext(CExplorerContainerObject* context);
  CExplorerContainerObject* GetContext() const { return m_pContext; }
  HTREEITEM GetRootTreeItem() const { return m_hRootItem; }

  // ---- finding, selecting, deleting, renaming
  // The node of the selected item, or null.
  CExplorerObject* GetCurrentObject() const;
  // Selects the first item below the selected one (or the root) whose node equals object.
  void SetCurrentNode(CExplorerObject* object, int recursive);
  void Refresh();
  HTREEITEM FindNode(HTREEITEM parent, const char* text, int recursive);
  HTREEITEM FindNode(HTREEITEM parent, const char* text, REFGUID classId, int recursive);
  HTREEITEM FindNode(HTREEITEM parent, CExplorerObject* object, int recursive);
  // Removes the item equal to object (the selected item for null); with
  // deleteObject its node is deleted too, else it is kept for re-insertion.
  // The nodes below it always go. 1 when an item was removed.
  int DeleteNode(CExplorerObject* object, int deleteObject);
  int RenameNode(CExplorerObject* object);
  // Removes item and the nodes below it, handing item's own node to the caller
  // (null for the root, which the frame owns).
  CExplorerObject* RemoveItem(HTREEITEM item);

  // ---- by labels (the command line and tests)
  // The item reached from the top level by one label per level, each the
  // item's text (exactly, else without regard to case). With expand, each item
  // on the way is expanded as a person would, so that waiting children appear.
  HTREEITEM FindItemByLabels(const std::vector<std::string>& labels, bool expand = true);
  // The labels from the top level down to item.
  std::vector<std::string> LabelsOf(HTREEITEM item) const;
  CExplorerObject* GetExplorerObject(HTREEITEM item) const;

  // ---- host updates
  void UpdateStatus(LPARAM hint);
  void UpdateDecomposition(int rebuild);
  void UpdateFlowsheet(LPARAM hint);
  void GoToFirstUnconverged();
  int GetFirstUnconverged(HTREEITEM item, HTREEITEM& found);
  // What opening item's context menu tells the frame: "Go to first unconverged" acts only when the
  // menu is the "Diagnostics" item's and an unconverged group lies below it.
  void NoteContextMenuOpening(HTREEITEM item);
  void ShowEqnsorVars();
  void FellEquationNodes(HTREEITEM item);
  void AddEquationNodes(HTREEITEM item);
  void FellVariableNodes(HTREEITEM item);
  void AddVariableNodes(HTREEITEM item);
  void OnUpdate(CView* sender, LPARAM hint, void* object) override;
  void RunPaused() {}
  // 0 while filling or while a node suspended updates: host updates are ignored then.
  bool IsReady() const { return m_bReady != 0; }
  void SetReady(bool ready) { m_bReady = ready ? 1 : 0; }
  bool IsClosing() const { return m_bClosing != 0; }

  // ---- drag and drop
  // Starts dragging item for the library toolbar; copyOnly limits the drag to copying.
  void OnBeginDragTreehItem(HTREEITEM item, bool copyOnly);
  // The item a drop is being handled on (the frame inserts nodes made by the drop there).
  HTREEITEM GetDropItem() const { return m_hDropItem; }
  DROPEFFECT OnDragEnter(COleDataObject* data, DWORD keyState, CPoint point) override;
  DROPEFFECT OnDragOver(COleDataObject* data, DWORD keyState, CPoint point) override;
  void OnDragLeave() override;
  bool OnDrop(COleDataObject* data, DROPEFFECT effect, CPoint point) override;
  DROPEFFECT OnDropEx(COleDataObject* data, DROPEFFECT dropDefault, DROPEFFECT dropList, CPoint point) override;
  // The zone the auto-scroll is armed for (EXPLORER_SCROLL_*) and the drag delay in milliseconds.
  DWORD ScrollZone() const { return m_dwScrollZone; }
  UINT ScrollDelay() const { return m_nScrollDelay; }

  // ---- notifications and keys
  bool OnReflectedNotify(NMHDR* header, LRESULT* result) override;
  bool PreTranslateMessage(MSG* msg) override;
  bool OnCmdMsg(UINT id, int code, CCmdUI* ui) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  int OnCreate() override;
  void OnDestroy() override;
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
  void OnSetFocus(CWnd* old) override;

  void ClearTree();
  void Fell(HTREEITEM item);
  void UnsetContext();
  void PopulateTree();
  HTREEITEM HitTest(CPoint* screenPoint, int select);
  HTREEITEM HitTest(CPoint clientPoint, int select);
  void UpdateChildren(HTREEITEM item);
  void UpdateItemStatus(HTREEITEM item);

 private:
  CExplorerFrame* Frame() const;
  void ReportSelection(HTREEITEM item);
  void FellChildren(HTREEITEM item);
  HTREEITEM FindEqual(CExplorerObject* object);
  void DeleteNodeObject(HTREEITEM item);
  HTREEITEM TopLevelItem(const std::string& text) const;
  // Changes the children of every group item from item's sibling chain down.
  using GroupChange = void (CExplorerTreeView::*)(HTREEITEM group);
  void ReshowGroup(HTREEITEM group, GroupChange change);
  void WalkGroups(HTREEITEM item, GroupChange change);
  void AddGroupEquations(HTREEITEM group);
  void AddGroupVariables(HTREEITEM group);
  void BeginFelling() { ++m_nFelling; }
  void EndFelling();

  // Notification handlers.
  void OnGetDispInfo(NMTVDISPINFO* info);
  void OnSelChanged(NMTREEVIEW* info);
  void OnSelChanging(NMTREEVIEW* info);
  void OnExpandingItem(NMTREEVIEW* info);
  void OnClick();
  void OnDblClick();
  void OnRClick();
  void OnContextMenu();
  bool OnBeginLabelEdit(NMTVDISPINFO* info);
  bool OnEndLabelEdit(NMTVDISPINFO* info);
  void OnBeginDrag(NMTREEVIEW* info, bool rightButton);
  void OnModelEdited();
  void TrackNodeMenu(CExplorerObject* object, CPoint screenPoint);
  void TrackViewMenu(CPoint screenPoint);
  void DragItem(HTREEITEM item, bool copyOnly);
  DWORD ScrollZoneAt(CPoint point) const;

  COleDropTarget m_dropTarget;
  HTREEITEM m_hRootItem = nullptr;
  CExplorerContainerObject* m_pContext = nullptr;
  DWORD m_dropEffect = DROPEFFECT_NONE;
  int m_bRightDrag = 0;
  int m_bPopulating = 0;
  UINT m_nScrollDelay = 50;
  DWORD m_dwScrollStart = 0;
  DWORD m_dwScrollZone = EXPLORER_SCROLL_NONE;
  int m_bReady = 0;
  HTREEITEM m_hDropItem = nullptr;
  int m_bClosing = 0;
  // While items are felled, selection changes are reported once at the end.
  int m_nFelling = 0;
  bool m_selectionChangedWhileFelling = false;
};
