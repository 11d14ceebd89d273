// Registered window messages the host and the explorer share: each side
// registers the same name (RegisterWindowMessage) and gets the same id.
#pragma once

// To the application's main window; lParam points at a tag_CorvaneViewContext.
inline constexpr const char* SHOW_CORVANEVIEW = "SHOW_CORVANEVIEW";
// From the host to the explorer windows.
inline constexpr const char* CORVANECM_RUN_STOPPED = "CORVANECM_RUN_STOPPED";
inline constexpr const char* CORVANECM_MODEL_EDITED = "CORVANECM_MODEL_EDITED";
inline constexpr const char* RUN_PAUSED_EVENT = "RunPausedEvent message";
// Broadcast through the document around a compile, so that other windows leave the store alone meanwhile.
inline constexpr const char* CORVANECM_CDB_LOCKOUT_STARTS = "CORVANECM_CDB_LOCKOUT_STARTS";
inline constexpr const char* CORVANECM_CDB_LOCKOUT_ENDS = "CORVANECM_CDB_LOCKOUT_ENDS";
