// The registered window messages by which nodes, panes, Explorer windows and
// the host tell each other about changes. Each name is registered once per
// process (the first use registers it; ExplorerModule::Initialize touches them
// all at start-up) and the identifier obtained is what travels.
#pragma once

#include "host/framework/HostMessages.h"
#include "platform/Window.h"

// Between nodes, panes and Explorer windows.
inline const UINT EXPLORER_CONTEXT_CHANGED = RegisterWindowMessage("EXPLORER_CONTEXT_CHANGED");
inline const UINT EXPLORER_FOCUS_CHANGED = RegisterWindowMessage("EXPLORER_FOCUS_CHANGED");
inline const UINT EXPLORER_EXPAND_CONTAINER = RegisterWindowMessage("EXPLORER_EXPAND_CONTAINER");
inline const UINT EXPLORER_CONTENTS_CHANGED = RegisterWindowMessage("EXPLORER_CONTENTS_CHANGED");
inline const UINT EXPLORER_DETAILS_CHANGED = RegisterWindowMessage("EXPLORER_DETAILS_CHANGED");
inline const UINT EXPLORER_OBJECT_DELETED = RegisterWindowMessage("EXPLORER_OBJECT_DELETED");
inline const UINT EXPLORER_POSTOBJECT_DELETED = RegisterWindowMessage("EXPLORER_POSTOBJECT_DELETED");
inline const UINT EXPLORER_OBJECT_ADDED = RegisterWindowMessage("EXPLORER_OBJECT_ADDED");
inline const UINT EXPLORER_OBJECT_MOVED = RegisterWindowMessage("EXPLORER_OBJECT_MOVED");
inline const UINT EXPLORER_OBJECT_RENAMED = RegisterWindowMessage("EXPLORER_OBJECT_RENAMED");
inline const UINT EXPLORER_DECOMP_UPDATE = RegisterWindowMessage("EXPLORER_DECOMP_UPDATE");
inline const UINT EXPLORER_GOTO_FIRST_UNCONVERGED = RegisterWindowMessage("EXPLORER_GOTO_FIRST_UNCONVERGED");
inline const UINT EXPLORER_SHOW_EQNORVARS = RegisterWindowMessage("EXPLORER_SHOW_EQNORVARS");
inline const UINT EXPLORER_REFRESH_TREEVIEW = RegisterWindowMessage("EXPLORER_REFRESH_TREEVIEW");

// Shared with the host, registered under the host's names (HostMessages.h holds
// the names themselves, so the identifiers carry a WM_ prefix).
inline const UINT WM_SHOW_CORVANEVIEW = RegisterWindowMessage(SHOW_CORVANEVIEW);
inline const UINT WM_CORVANECM_RUN_STOPPED = RegisterWindowMessage(CORVANECM_RUN_STOPPED);
inline const UINT WM_CORVANECM_MODEL_EDITED = RegisterWindowMessage(CORVANECM_MODEL_EDITED);
inline const UINT WM_CORVANECM_CDB_LOCKOUT_STARTS = RegisterWindowMessage(CORVANECM_CDB_LOCKOUT_STARTS);
inline const UINT WM_CORVANECM_CDB_LOCKOUT_ENDS = RegisterWindowMessage(CORVANECM_CDB_LOCKOUT_ENDS);
inline const UINT WM_RUN_PAUSED_EVENT = RegisterWindowMessage(RUN_PAUSED_EVENT);
