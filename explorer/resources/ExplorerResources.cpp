#include "explorer/resources/ExplorerResources.h"

void RegisterExplorerResources() {
  // Registered once per process: running dialogs and menus keep pointers into
  // the tables, so a second start-up call must not rebuild them.
  static const bool registered = [] {
    RegisterExplorerStrings();
    RegisterExplorerMenus();
    RegisterExplorerAccelerators();
    RegisterExplorerIcons();
    RegisterExplorerDialogTemplates();
    return true;
  }();
  (void)registered;
}
