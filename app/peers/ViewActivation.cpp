#include "app/peers/ViewActivation.h"

#include "platform/Splitter.h"

void ActivateViewForClick(HWND handle) {
  CWnd* view = CWnd::FromHandle(handle);
  if (!view) return;
  bool inSplitter = false;
  for (CWnd* up = view->GetParent(); up && IsWindow(handle); up = up->GetParent()) {
    auto* splitter = dynamic_cast<CSplitterWnd*>(up);
    if (!splitter) continue;
    inSplitter = true;
    if (splitter->GetActivePane() != view) splitter->SetActiveWindow(view);
  }
  if (!inSplitter && IsWindow(handle) && !view->HasFocus()) view->SetFocus();
}
