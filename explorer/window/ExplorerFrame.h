// An Explorer window: a child frame of the host's frame area showing one root
// node and everything below it in a tree pane and a contents pane, each under
// a caption strip. The frame owns the root and the exclusion list, chooses the
// root from the host's view-context record, keeps its layout and view settings
// in the registry, routes the shared explorer commands to the node that has
// the focus, and is the hub of the registered messages by which nodes, panes
// and the other open Explorers tell each other about changes.
//
// Driving an Explorer (the command line, the desktop program, tests):
//   Open (a record, or none for the Simulation root) opens one through the host;
//   ActiveExplorers lists the open ones, newest first;
//   GetTreeView / GetListView give the panes (their FindItemByLabels and
//   FindRowByLabel find items by their texts); GetCurrentObject is the node
//   commands go to; RunCommand performs a frame command when it is enabled.
#pragma once

#include <memory>
#include <string>
#include <unordered_set>  // unordered_multiset
#include <utility>
#include <vector>

#include "explorer/core/ExplorerPanes.h"
#include "explorer/core/ExplorerWindow.h"
#include "explorer/resources/CommandIds.h"
#include "platform/Guid.h"
#include "explorer/window/ExplorerSplitterWnd.h"
#include "host/framework/CRQVMDIChildFrame.h"

class CExplorerContainerObject;
class CExplorerExclusionList;
class CExplorerListView;
class CExplorerObject;
class CExplorerTreeView;
class CPaneLabelView;
struct IFFolder;
struct IFInstance;
struct tag_CorvaneViewContext;

// Contents-pane view types (SetListViewType, "ListViewType").
constexpr unsigned long EXPLORER_VIEW_LARGE_ICONS = 0;
constexpr unsigned long EXPLORER_VIEW_SMALL_ICONS = 1;
constexpr unsigned long EXPLORER_VIEW_LIST = 2;
constexpr unsigned long EXPLORER_VIEW_DETAILS = 3;

// The tree pane's width when nothing is stored.
constexpr unsigned kDefaultTreePaneWidth = 233;

class CExplorerFrame : public CRQVMDIChildFrame, public IExplorerWindow {
 public:
  CExplorerFrame();
  ~CExplorerFrame() override;

  // ---- process-wide state
  // Every open Explorer, newest first.
  static inline std::vector<CExplorerFrame*> m_ActiveExplorers;
  // Set to 1 by the host: the next Explorer opened without a record is rooted at the Libraries node.
  static inline int m_iSelClsid = 0;

  // Asks the host's main window to open an Explorer (SHOW_CORVANEVIEW); without
  // a record the Explorer is rooted at the Simulation node. The new frame, or
  // null when the host opened none.
  static CExplorerFrame* Open(const tag_CorvaneViewContext* context = nullptr);
  static const std::vector<CExplorerFrame*>& ActiveExplorers() { return m_ActiveExplorers; }

  // ---- creation
  bool PreCreateWindow(CREATESTRUCT& cs) override;
  bool OnCreateClient(CREATESTRUCT* cs, CCreateContext* context) override;

  // ---- the panes and what they show
  CExplorerTreeView* GetTreeView() const { return m_pTreeView; }
  CExplorerListView* GetListView() const { return m_pListView; }
  CPaneLabelView* GetTreeLabel() const { return m_pTreeLabel; }
  CPaneLabelView* GetContentsLabel() const { return m_pContentsLabel; }
  CExplorerContainerObject* GetRootObject() const { return m_pRootObject; }
  CExplorerExclusionList* GetExclusionList() const { return m_pExclusionList; }
  const std::string& GetRootPath() const { return m_strRootPath; }
  bool ViewsCreated() const { return m_bViewsCreated != 0; }

  // The node commands are routed to (the last one selected or focused in either pane); null when none.
  CExplorerObject* GetCurrentObject() const;
  void SetCurrentObject(CExplorerObject* object);
  // The panes call this before they delete a node, so nothing here keeps it.
  void ForgetObject(const CExplorerObject* object);
  // The node of the pane that is active.
  CExplorerObject* GetCurrentSelObject();

  // IExplorerPanes
  bool IsTreeView() override;
  CTreeCtrl* GetTreePaneControl() override;
  CListCtrl* GetContentsPaneControl() override;

  // Performs a command the way a menu does: only when it is enabled. False when it is not.
  bool RunCommand(UINT id);

  // IExplorerWindow
  // Nodes stop and restart the tree pane's reaction to host updates while they change the store.
  void SuspendUpdates() override;
  void ResumeUpdates() override;
  CExplorerObject* FindTopLevelNode(const std::string& label) override;
  void MarkCopyOnlyDrag(bool copyOnly) override { m_copyOnlyDrag = copyOnly; }
  bool TakeCopyOnlyDrag() override { return std::exchange(m_copyOnlyDrag, false); }

  // ---- selection questions of the commands
  int IsModelBlockSelected() override;
  int IsStructureBlockSelected() override;
  int IsModelInCustomModeling() override;
  // The host says the custom-modeling types changed: close or refresh by the root's class.
  void CheckOwnerIsCustomModeling();

  // ---- layout
  int FrameIsVertical();
  void SetPaneOrientation();
  void SavePaneOrientation(int vertical);
  void GetTreePaneWidth(unsigned& width);
  void SaveTreePaneWidth(unsigned width);
  void RunPaused() override;
  void RevertToOriginalWindowLayout(long withScrollBar) override;

  // ---- view
  void SetListViewType(unsigned long type);
  void OnViewRefresh();
  void OnViewOptions();
  void OnNextExplorerPane();
  // The tree caption follows the exclusion list: "Selected Items" or "All Items".
  void UpdateTreeCaption();

  // ---- initialization-script state (kept for the packaging commands)
  std::vector<std::string>* m_pModelList = nullptr;
  std::string m_strSelectedBlockName;
  int m_nScriptKind = 0;
  BYTE m_bPreSolveExists = 0;
  BYTE m_bEBSolveExists = 0;
  BYTE m_bConfirmed = 0;
  std::vector<std::string> m_ModelList;
  int m_bPostAdd = 1;

  // ---- the message protocol
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Posts message about object to this frame; it is acted on only while object
  // lives and has not been deleted by a pane meanwhile.
  void PostNodeMessage(UINT message, CExplorerObject* object);

 protected:
  bool OnFrameCommand(UINT id, int code, CCmdUI* ui) override;
  void OnDestroy() override;
  void OnSize(UINT type, int cx, int cy) override;

 private:
  // Creation steps.
  void SizeFrame(const tag_CorvaneViewContext* context);
  CExplorerContainerObject* MakeRoot(CCreateContext* context, const tag_CorvaneViewContext* record);
  // A user folder below parent (the library's or simulation's instance); null when none can be made.
  CExplorerObject* MakeUserFolder(IFInstance* parent, IFFolder* folder);
  bool CreateSplitters(unsigned treeWidth);
  bool CreatePanes(const CREATESTRUCT& cs, unsigned treeWidth, CDocument* document);
  void ApplyStoredSettings();
  void UpdateCaption(const char* filePath);
  void Register();
  void Deregister();

  // Commands.
  void OnExplorerObjectCommand(UINT id);
  void OnUpdateExplorerObjectCommand(CCmdUI* ui);
  bool IsCopyRefused();
  bool PackagingCommand(UINT id, int code, CCmdUI* ui);
  bool RouteToHost(UINT id, int code, CCmdUI* ui);

  // Registered messages.
  LRESULT OnContextChanged(CExplorerObject* object);
  LRESULT OnFocusChanged(CExplorerObject* object);
  LRESULT OnExpandContainer(CExplorerObject* object);
  LRESULT OnContentsChanged(WPARAM wParam);
  LRESULT OnDetailsChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnObjectDeleted(WPARAM wParam, CExplorerObject* object);
  LRESULT OnPostObjectDeleted(CExplorerObject* object);
  LRESULT OnObjectAdded(WPARAM wParam, LPARAM lParam);
  LRESULT OnObjectMoved(WPARAM wParam, LPARAM lParam);
  LRESULT OnObjectRenamed(WPARAM wParam, CExplorerObject* object);
  // True (once) when a posted message about object may act on it.
  bool TakePending(CExplorerObject* object);
  // Removes the contents-pane row of a node deleted elsewhere, with the pane's own node.
  void DeleteRowOf(CExplorerObject* object);
  // Where an added or moved node of classId goes in the tree; sameClassNests
  // keeps a node of the same class as the insertion point's as its child.
  HTREEITEM InsertionPoint(REFGUID classId, bool sameClassNests);
  // node inserts itself under point; a node that cannot is deleted. False then.
  bool InsertInTree(CExplorerObject* node, HTREEITEM point);

  // Forwarding to the other open Explorers.
  void ForwardNotification(UINT message, WPARAM wParam, LPARAM lParam);
  void ForwardNotificationSend(UINT message, WPARAM wParam, LPARAM lParam);
  void Forward(UINT message, WPARAM wParam, LPARAM lParam, int toolbarNotification);

  // Layout keys.
  bool GetPaneOrientationKeyName(std::string& key);
  bool GetTreePaneWidthKeyName(std::string& key);
  // A pane took the focus: it becomes the active pane.
  void OnPaneFocused(CWnd* pane);
  friend class CExplorerTreeView;
  friend class CExplorerListView;

  CExplorerSplitterWnd m_wndSplitter;
  CExplorerSplitterSubWnd m_wndTreeSplitter;
  CExplorerSplitterSubWnd m_wndContentsSplitter;
  CExplorerTreeView* m_pTreeView = nullptr;
  CExplorerListView* m_pListView = nullptr;
  CPaneLabelView* m_pTreeLabel = nullptr;
  CPaneLabelView* m_pContentsLabel = nullptr;
  int m_bViewsCreated = 0;
  unsigned m_nTreePaneWidth = kDefaultTreePaneWidth;
  CExplorerContainerObject* m_pRootObject = nullptr;
  CExplorerObject* m_pCurrentObject = nullptr;
  CExplorerExclusionList* m_pExclusionList = nullptr;
  std::string m_strRootPath;
  // Nodes named by posted messages still to come (a deletion's follow-up, an expansion).
  std::unordered_multiset<const CExplorerObject*> m_pendingObjects;
  bool m_activating = false;
  bool m_routingToHost = false;
  // Set by a pane around a drag that may only copy; the dragged node takes it.
  bool m_copyOnlyDrag = false;
};
