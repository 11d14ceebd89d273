// Command ids: the Explorer's shared command set that context menus, the
// frame's menu and its keys route to the node that has the focus; the frame's
// own commands; the drop-effect menu's choices; the framework's standard
// commands. The host's commands are in host/HostCommandIds.h.
#pragma once

#include "host/HostCommandIds.h"
#include "platform/FrameworkCommandIds.h"
#include "platform/Types.h"

// ---- The shared command set (54001-54500), routed to the current node ----
constexpr UINT ID_EXPLORER_FIRST = 54001;
constexpr UINT ID_EXPLORER_LAST = 54500;

constexpr UINT ID_EXPLORER_DEFAULT_ACTION = 54001;
constexpr UINT ID_EXPLORER_PROPERTIES = 54002;
constexpr UINT ID_EXPLORER_EDIT = 54003;
constexpr UINT ID_EXPLORER_OPEN = 54004;
constexpr UINT ID_EXPLORER_EXPLORE = 54005;
constexpr UINT ID_EXPLORER_COPY = 54006;
constexpr UINT ID_EXPLORER_CUT = 54007;
constexpr UINT ID_EXPLORER_PASTE = 54008;
constexpr UINT ID_EXPLORER_DELETE = 54009;
constexpr UINT ID_EXPLORER_RENAME = 54010;
constexpr UINT ID_EXPLORER_INSERT = 54013;
constexpr UINT ID_EXPLORER_INVOKE_SCRIPT = 54014;
constexpr UINT ID_EXPLORER_EXPORT = 54015;
constexpr UINT ID_EXPLORER_COMPILE = 54016;
constexpr UINT ID_EXPLORER_FIND = 54017;
constexpr UINT ID_EXPLORER_EXPORT_SIMULATION = 54018;
constexpr UINT ID_EXPLORER_VIEW_ACTIVE_MODEL = 54031;
constexpr UINT ID_EXPLORER_CREATE_ACTIVE_MODEL = 54032;
constexpr UINT ID_EXPLORER_USE_ACTIVE_MODEL = 54033;
constexpr UINT ID_EXPLORER_CLOSE_LIBRARY = 54071;
constexpr UINT ID_EXPLORER_REBUILD = 54072;
constexpr UINT ID_EXPLORER_EDIT_TEXT = 54082;
constexpr UINT ID_EXPLORER_ACTIVATE = 54091;
constexpr UINT ID_EXPLORER_MAKE_DEFAULT = 54092;
constexpr UINT ID_EXPLORER_PHYSICAL_PROPERTIES = 54093;
constexpr UINT ID_EXPLORER_GENERATE_CODE = 54095;
constexpr UINT ID_EXPLORER_CONVERT = 54098;
constexpr UINT ID_EXPLORER_SHOW_HISTORY = 54099;
constexpr UINT ID_EXPLORER_SHOW_PLOT = 54100;
constexpr UINT ID_EXPLORER_GENERATE_FLOWSHEET_CODE = 54101;
constexpr UINT ID_EXPLORER_FIRST_UNCONVERGED_ONLY = 54102;
constexpr UINT ID_EXPLORER_SHOW_PROFILE_TABLE = 54103;
constexpr UINT ID_EXPLORER_IMPORT_FLOWSHEET = 54104;
constexpr UINT ID_EXPLORER_SHOW_VARIABLES = 54105;
constexpr UINT ID_EXPLORER_FIND_GROUP = 54106;
constexpr UINT ID_EXPLORER_FIND_EQUIVALENCE = 54107;
constexpr UINT ID_EXPLORER_SHOW_EQUATIONS = 54108;
constexpr UINT ID_EXPLORER_CREATE_INSTANCE = 54109;
constexpr UINT ID_EXPLORER_UPDATE_TO_CUSTOM_MODEL = 54110;
constexpr UINT ID_EXPLORER_EXPORTED_MODEL_PROPERTIES = 54111;
constexpr UINT ID_EXPLORER_STRUCTURE_PACKAGE_PROPERTIES = 54112;
constexpr UINT ID_EXPLORER_SHOW_RESIDUAL_TEXT = 54113;
constexpr UINT ID_EXPLORER_MAKE_CURRENT = 54114;
constexpr UINT ID_EXPLORER_GOTO_FIRST_UNCONVERGED = 54115;

// ---- The Explorer window's own commands ----
constexpr UINT ID_VIEW_PROPERTIES = 53501;
constexpr UINT ID_EXPLORER_CLOSE = 53502;
constexpr UINT ID_VIEW_LARGE_ICONS = 53503;
constexpr UINT ID_VIEW_SMALL_ICONS = 53504;
constexpr UINT ID_VIEW_LIST = 53505;
constexpr UINT ID_VIEW_DETAILS = 53506;
constexpr UINT ID_VIEW_REFRESH = 53507;
constexpr UINT ID_VIEW_OPTIONS = 53508;
// Pane arrangement: prompts only, no menu item or handler carries them.
constexpr UINT ID_VIEW_PANES_SIDE_BY_SIDE = 53509;
constexpr UINT ID_VIEW_PANES_TOP_TO_BOTTOM = 53510;
constexpr UINT ID_NEXT_PANE = 53682;
constexpr UINT ID_CONTEXT_MENU = 50271;
constexpr UINT ID_DEFAULT_ACTION = 50272;

// ---- The drop-effect menu of a right-button drop ----
constexpr UINT ID_DROP_MOVE = 53511;
constexpr UINT ID_DROP_COPY = 53512;
constexpr UINT ID_DROP_LINK = 53513;
constexpr UINT ID_DROP_CANCEL = 53514;

// ---- The framework's standard commands are in platform/FrameworkCommandIds.h ----
