#include "explorer/nodes/library/LibraryMenuCommands.h"

#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/QVExplorer.h"
#include "host/com/Variant.h"
#include "host/framework/CRBaseApp.h"
#include "host/framework/CRQVDocument.h"

bool AddMenuCommand(CContextMenuBuilder& build, UINT command) {
  const ExplorerCommand* entry = FindExplorerCommand(command);
  return build.Add(command, entry && entry->menuTextId ? entry->menuTextId : command);
}

void DropTrailingSeparator(CMenu& menu) {
  const int count = menu.GetMenuItemCount();
  if (count > 0 && menu.GetMenuItemID(count - 1) == 0) menu.DeleteMenu(count - 1, MF_BYPOSITION);
}

bool ClipboardOffersAny(std::initializer_list<CLIPFORMAT> formats) {
  for (CLIPFORMAT format : formats)
    if (Clipboard::IsFormatAvailable(format)) return true;
  return false;
}

bool DataOffersAny(const COleDataObject* data, std::initializer_list<CLIPFORMAT> formats) {
  if (!data) return false;
  for (CLIPFORMAT format : formats)
    if (data->IsDataAvailable(format)) return true;
  return false;
}

void NotifyDocumentChanged(LPARAM hint, const std::string& name) {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  if (!document) return;
  if (name.empty()) {
    document->UpdateAllViews(nullptr, hint, nullptr);
  } else {
    VARIANT object = VARIANT::Text(name);
    document->UpdateAllViews(nullptr, hint, &object);
  }
  document->SetModifiedFlag(true);
}

bool ApplicationIsLocked() {
  CRBaseApp* app = CRBaseApp::GetApp();
  return app && app->GetAppState() == QV_APPSTATE_RUNNING;
}
