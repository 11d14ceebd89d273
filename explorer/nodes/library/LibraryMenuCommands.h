// Small pieces the library nodes' menus and commands share: appending a shared
// command under its own menu text, asking whether the clipboard offers one of
// several formats, and the document hints and marks that follow a change.
#pragma once

#include <initializer_list>
#include <string>

#include "explorer/core/ContextMenuBuilder.h"
#include "platform/Ole.h"

// Appends command (when the node can do it) with the menu text of the shared command set.
bool AddMenuCommand(CContextMenuBuilder& build, UINT command);
// Removes a separator left at the end of the menu.
void DropTrailingSeparator(CMenu& menu);
// True when the clipboard holds any of formats.
bool ClipboardOffersAny(std::initializer_list<CLIPFORMAT> formats);
// True when a drag's data offers any of formats.
bool DataOffersAny(const COleDataObject* data, std::initializer_list<CLIPFORMAT> formats);
// True while the application runs the simulation: scripts and tasks are then locked.
bool ApplicationIsLocked();
// The current document updates every view with hint (and the name as hint object
// when not empty) and is marked modified. Nothing without a document.
void NotifyDocumentChanged(LPARAM hint, const std::string& name = {});
