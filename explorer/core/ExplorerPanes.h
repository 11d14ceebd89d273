// What a node asks of the Explorer window that owns it: which pane has the
// focus and the two panes' controls. The Explorer frame implements it; a node
// whose owner is some other window simply finds no panes.
#pragma once

class CListCtrl;
class CTreeCtrl;

class IExplorerPanes {
 public:
  virtual ~IExplorerPanes() = default;
  // True while the tree pane has the focus, false for the contents pane.
  virtual bool IsTreeView() = 0;
  virtual CTreeCtrl* GetTreePaneControl() = 0;
  virtual CListCtrl* GetContentsPaneControl() = 0;
};
