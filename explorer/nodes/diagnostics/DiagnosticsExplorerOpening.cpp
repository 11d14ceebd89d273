#include "explorer/nodes/diagnostics/DiagnosticsExplorerOpening.h"

#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/core/ExplorerTemplateId.h"
#include "explorer/core/ExplorerWindow.h"
#include "host/framework/CorvaneViewContext.h"

namespace {

constexpr int kNewExplorerOffset = 30;

// The screen rectangle of the pane that shows node (the window itself when it has no panes).
CRect ShowingPaneRect(CExplorerObject& node) {
  CRect rect;
  CWnd* shown = node.GetOwner();
  if (IExplorerWindow* window = node.GetOwnerWindow()) {
    CWnd* pane = window->IsTreeView() ? static_cast<CWnd*>(window->GetTreePaneControl())
                                      : static_cast<CWnd*>(window->GetContentsPaneControl());
    if (pane) shown = pane;
  }
  if (shown) shown->GetWindowRect(&rect);
  return rect;
}

}  // namespace

void OpenDiagnosticsExplorer(CExplorerObject& from, REFGUID rootClass, IUnknown* target,
                             const std::string& selectName, int selectEquivalence) {
  if (!target) return;
  const CRect rect = ShowingPaneRect(from);
  tag_CorvaneViewContext context;
  context.viewClass = CLSID_ExplorerTemplate;
  context.text = rootClass.ToString();
  context.dataSource = target;
  context.placement = CorvaneWindowPlacement{5, rect.left + kNewExplorerOffset, rect.top + kNewExplorerOffset,
                                             rect.Width(), rect.Height()};
  context.openAtName = selectName;
  context.openAtEquivalence = selectEquivalence;
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_SHOW_CORVANEVIEW, 0, reinterpret_cast<LPARAM>(&context));
}
