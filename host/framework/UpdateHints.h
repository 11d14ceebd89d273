// Update hints a simulation document sends its views (CDocument::UpdateAllViews)
// and the explorer sends through the document. The hint object, when there is
// one, is a const VARIANT*: a name (VT_BSTR) or a value (VT_R8).
#pragma once

#include "platform/Types.h"

// Sent by the host.
constexpr LPARAM QV_HINT_DOCUMENT_RELOADED = 10;        // everything may have changed
constexpr LPARAM QV_HINT_MODEL_TYPE_EDITED = 111;       // a block type's text was changed
constexpr LPARAM QV_HINT_BLOCKS_ADDED = 100;
constexpr LPARAM QV_HINT_BLOCKS_REMOVED = 101;
constexpr LPARAM QV_HINT_STREAMS_ADDED = 102;
constexpr LPARAM QV_HINT_STREAMS_REMOVED = 103;
constexpr LPARAM QV_HINT_BLOCK_CHANGED = 104;
constexpr LPARAM QV_HINT_STREAM_CHANGED = 105;
constexpr LPARAM QV_HINT_CONNECTIONS_CHANGED = 807;
constexpr LPARAM QV_HINT_FLOWSHEET_REPLACED = 835;
constexpr LPARAM QV_HINT_FIXED_VARIABLES_CHANGED = 800;
constexpr LPARAM QV_HINT_FLOWSHEET_CONTENTS = 801;
constexpr LPARAM QV_HINT_DECOMPOSITION_READY = 802;     // a run produced a new decomposition
constexpr LPARAM QV_HINT_COMPILED = 803;                // types were compiled: statuses changed
constexpr LPARAM QV_HINT_DEGREES_OF_FREEDOM = 805;
constexpr LPARAM QV_HINT_TASK_STATE = 806;              // a task was activated or deactivated
constexpr LPARAM QV_HINT_RUN_VALUES = 808;              // values changed during a run (object: the time, VT_R8)
constexpr LPARAM QV_HINT_EQUATIONS_CHANGED = 811;
constexpr LPARAM QV_HINT_LIBRARIES_CHANGED = 812;
constexpr LPARAM QV_HINT_VALUES_CHANGED = 813;
constexpr LPARAM QV_HINT_TYPES_CHANGED = 820;
constexpr LPARAM QV_HINT_CUSTOM_MODELING_CHANGED = 821;
constexpr LPARAM QV_HINT_DECOMPOSITION_CLEARED = 830;
constexpr LPARAM QV_HINT_UNITS_CHANGED = 837;
constexpr LPARAM QV_HINT_STATUS_CHANGED = 838;

// Sent by the explorer through the document after a deletion (object: the name, VT_BSTR).
constexpr LPARAM QV_HINT_MODEL_DELETED = 818;    // the model's name
constexpr LPARAM QV_HINT_SCRIPT_DELETED = 819;
constexpr LPARAM QV_HINT_TYPE_DELETED = 822;     // the name of the palette that held it
constexpr LPARAM QV_HINT_TASK_DELETED = 826;
