// The Explorer's contents pane: the children of one container node (the
// context) as rows in one of four view styles, with the columns the container
// chooses, sortable by column (the choice kept per user). Every row carries a
// node made for it, owned by the pane. The pane turns clicks, double-clicks,
// context menus, label edits and drags into calls on the row nodes, tells the
// frame with the registered messages, draws the cells that name a variable's
// calculating group as links, and tells the host which model type is being
// dragged onto the flowsheet.
#pragma once

#include <string>
#include <vector>

#include "explorer/core/ListSortInfo.h"
#include "host/model/IPFSSink.h"
#include "platform/Document.h"
#include "platform/ListCtrl.h"
#include "platform/Ole.h"

class CExplorerContainerObject;
class CExplorerFrame;
class CExplorerObject;
class CExplorerTreeView;
struct IRModelType;

class CExplorerListView : public CListCtrl, public CView {
 public:
  CExplorerListView();
  ~CExplorerListView() override;

  using CListCtrl::Create;
  using CListCtrl::DeleteItem;
  using CListCtrl::FindItem;
  bool Create(const CRect& rect, CWnd* parent, UINT id);
  CWnd* ViewWindow() override { return this; }

  // ---- the context
  void SetContext(CExplorerContainerObject* context);
  CExplorerContainerObject* GetContext() const { return m_pContext; }
  void RefreshList();
  // Deletes the rows (and their nodes) and the columns, keeping the column widths for the context's class.
  void ClearPane();
  // Clears the pane and lets the context fill it again, without sorting.
  void Refill();
  // The tree is about to delete object: when it is the context, the pane is cleared and forgets it.
  void ReleaseContext(CExplorerObject* object);

  // ---- rows
  // The node of the first selected row, or null.
  CExplorerObject* GetCurrentObject() const;
  CExplorerObject* GetRowObject(int row) const;
  int FindItem(CExplorerObject* object) const;
  // Removes the row equal to object without deleting its node: 1, or 0 when none.
  int DeleteItem(CExplorerObject* object);
  // Removes the row equal to object and hands its node to the caller (null when none).
  CExplorerObject* DetachItem(CExplorerObject* object);
  int RenameItem(CExplorerObject* object);
  // Forgets the context (keeping the rows) when object is the context: 1, else 0.
  int DeletingContainer(CExplorerObject* object);
  // The row whose label is label (exactly, else without regard to case); -1 when none.
  int FindRowByLabel(const std::string& label) const;
  // The column whose heading is heading; -1 when none.
  int FindColumn(const std::string& heading) const;
  std::string GetColumnHeading(int column) const;

  // ---- host updates
  void Update(LPARAM hint);
  void UpdateStatus(int reload);
  void UpdateDOF();
  void OnUpdate(CView* sender, LPARAM hint, void* object) override;
  void OnActivateView(bool activate, CView* activated, CView* deactivated) override;

  // ---- sorting
  void SetColumnSortInfo(const std::string& columnName, int ascending);
  int GetSortColumn() const { return m_nSortColumn; }
  int IsSortAscending() const { return m_bSortAscending; }
  const std::string& GetSortColumnName() const { return m_strSortColumn; }

  // ---- flowsheet and drags
  // Tells the host the model type being dragged onto the flowsheet (null: none).
  static void SetPFSModelType(IRModelType* type);
  int ToggleIconAutoArrange();
  void OnBeginDragListItem(int row, bool copyOnly);
  DROPEFFECT OnDragEnter(COleDataObject* data, DWORD keyState, CPoint point) override;
  DROPEFFECT OnDragOver(COleDataObject* data, DWORD keyState, CPoint point) override;
  void OnDragLeave() override;
  bool OnDrop(COleDataObject* data, DROPEFFECT effect, CPoint point) override;
  DROPEFFECT OnDropEx(COleDataObject* data, DROPEFFECT dropDefault, DROPEFFECT dropList, CPoint point) override;
  int GetDropHighlightRow() const { return m_nDropHighlight; }

  // ---- the flowsheet's sink: answered with success, nothing done
  class XAdviceObj : public IPFSSink {
   public:
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT SetModelType(IRModelType*) override { return S_OK; }
    HRESULT SelectedModelAdded(IRModel*) override { return S_OK; }
    HRESULT SelectedModelRemoved(IRModel*) override { return S_OK; }
    HRESULT SelectedModelsCleared() override { return S_OK; }
    HRESULT SelectedModelsSet(IEnumRModel*) override { return S_OK; }
  };
  // The view's interfaces: IPFSSink (and IUnknown) through the embedded sink.
  HRESULT ExternalQueryInterface(REFIID iid, void** out);
  IPFSSink* GetAdviceSink() { return &m_xAdviceObj; }

  // ---- notifications and keys
  bool OnReflectedNotify(NMHDR* header, LRESULT* result) override;
  bool PreTranslateMessage(MSG* msg) override;
  bool OnCmdMsg(UINT id, int code, CCmdUI* ui) override;

 protected:
  int OnCreate() override;
  void OnDestroy() override;
  void OnSetFocus(CWnd* old) override;

 private:
  CExplorerFrame* Frame() const;
  CExplorerTreeView* TreeView() const;
  void PopulateList();
  void SortRows(LISTSORTINFO info);
  // Sorts by the current column and direction when the context can.
  bool SortByCurrentColumn();
  void SaveSortSettings();
  void ForgetRows();
  bool TreeIsReady() const;

  // Notification handlers.
  void OnGetDispInfo(NMLVDISPINFO* info);
  void OnClick(NMITEMACTIVATE* info);
  void OnDblClick(NMITEMACTIVATE* info);
  void OnRClick(NMITEMACTIVATE* info);
  void OnContextMenu();
  void OnDefaultAction();
  void OnItemChanged(NMLISTVIEW* info);
  void OnColumnClick(NMLISTVIEW* info);
  void OnBeginDrag(NMLISTVIEW* info, bool rightButton);
  bool OnBeginLabelEdit(NMLVDISPINFO* info);
  bool OnEndLabelEdit(NMLVDISPINFO* info);
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW* draw);
  void ActivateRow(int row);
  void TrackNodeMenu(CExplorerObject* object, CPoint screenPoint);
  void DragRow(int row, bool copyOnly);
  void SetDropHighlight(int row);

  // The link cells under "Calculated" in variable lists.
  bool IsLinkCell(int row, int column) const;
  void ComputeLinks();
  void InvalidateLinks() { m_linksValid = false; }

  COleDropTarget m_dropTarget;
  CExplorerContainerObject* m_pContext = nullptr;
  DROPEFFECT m_dropEffect = DROPEFFECT_NONE;
  int m_bRightDrag = 0;
  int m_nDropHighlight = -1;
  XAdviceObj m_xAdviceObj;
  int m_nSortColumn = 0;
  int m_bSortAscending = 1;
  std::string m_strSortColumn;
  bool m_reservedRows = false;

  // Link cache: valid for one fill of the pane and one tree selection.
  bool m_linksValid = false;
  const void* m_linksFirstRow = nullptr;
  HTREEITEM m_linksTreeItem = nullptr;
  int m_linkColumn = -1;
  std::vector<char> m_linkRows;
  COLORREF m_windowText = 0;
  bool m_windowTextRead = false;
};
