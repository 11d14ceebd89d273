// The explorer module's resources: string table, menus, the frame's
// accelerator table, icon resources and dialog templates. Programs and tests
// call RegisterExplorerResources at start-up; calling it again changes nothing.
#pragma once

void RegisterExplorerResources();

// The tables one by one (RegisterExplorerResources registers all of them once).
void RegisterExplorerStrings();
void RegisterExplorerMenus();
void RegisterExplorerAccelerators();
void RegisterExplorerIcons();
void RegisterExplorerDialogTemplates();
