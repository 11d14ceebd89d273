// The explorer's shared command set (54001-54500): the commands context menus,
// the frame's menu and its accelerators route to the node that has the focus,
// with their menu texts and status texts, and the host's commands that nodes
// put into their menus for the host to perform.
#pragma once

#include <string>
#include <vector>

#include "platform/Types.h"

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
constexpr UINT ID_EXPLORER_REBUILD = 54072;
constexpr UINT ID_EXPLORER_EDIT_TEXT = 54082;
constexpr UINT ID_EXPLORER_ACTIVATE = 54091;
constexpr UINT ID_EXPLORER_MAKE_DEFAULT = 54092;
constexpr UINT ID_EXPLORER_PHYSICAL_PROPERTIES = 54093;
constexpr UINT ID_EXPLORER_GENERATE_CODE = 54095;
constexpr UINT ID_EXPLORER_CONVERT = 54098;
constexpr UINT ID_EXPLORER_SHOW_HISTORY = 54099;
constexpr UINT ID_EXPLORER_SHOW_PLOT = 54100;
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

// The host's commands (the host performs them); their menu texts share their ids,
// except the two that have a text of their own.
constexpr UINT ID_HOST_RUN = 41132;
constexpr UINT ID_HOST_STEP = 41133;
constexpr UINT ID_HOST_PAUSE = 50204;
constexpr UINT ID_HOST_PAUSE_AT = 50207;
constexpr UINT ID_HOST_REWIND = 50205;
constexpr UINT ID_HOST_RESTART = 50244;
constexpr UINT ID_HOST_RESET = 50253;
constexpr UINT ID_HOST_RESET_ALL = 50275;
constexpr UINT ID_HOST_ADVANCED_RESET = 50276;
constexpr UINT ID_HOST_PACKAGE_MODEL = 50284;
constexpr UINT ID_HOST_CREATE_INITIALIZATION_SCRIPT = 50286;

struct ExplorerCommand {
  UINT id = 0;
  UINT menuTextId = 0;    // 0: no menu item (the default action)
  UINT statusTextId = 0;  // 0: no status text
};

// Every command of the shared set and the host commands nodes offer, in id order within each group.
const std::vector<ExplorerCommand>& ExplorerCommandSet();
// The entry for id, or null.
const ExplorerCommand* FindExplorerCommand(UINT id);
bool IsExplorerCommand(UINT id);  // in the shared range 54001-54500
// The menu text of id ("&Copy"), empty when the command has none.
std::string ExplorerCommandMenuText(UINT id);
// The status-bar text of id, empty when the command has none.
std::string ExplorerCommandStatusText(UINT id);
