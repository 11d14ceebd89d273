#include "explorer/nodes/flowsheet/ExploreInstance.h"

#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/ExplorerTemplateId.h"
#include "host/framework/CorvaneViewContext.h"

void ExploreInstance(CExplorerObject& node, IFInstance* instance) {
  if (!instance) return;
  tag_CorvaneViewContext context;
  context.viewClass = CLSID_ExplorerTemplate;
  context.text = node.GetClassID().ToString();
  context.dataSource = instance;
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_SHOW_CORVANEVIEW, 0, reinterpret_cast<LPARAM>(&context));
}
