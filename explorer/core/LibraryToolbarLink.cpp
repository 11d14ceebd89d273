#include "explorer/core/LibraryToolbarLink.h"

#include "host/framework/CRBaseApp.h"

void CLibraryToolbarLink::NotifyIfPresent(int notification) {
  if (s_providers == 0) return;
  if (CRBaseApp* app = CRBaseApp::GetApp()) app->UpdateLibraryToolbar(notification);
}
