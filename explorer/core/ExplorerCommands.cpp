#include "explorer/core/ExplorerCommands.h"

#include <algorithm>

#include "platform/Resources.h"

const std::vector<ExplorerCommand>& ExplorerCommandSet() {
  // The status texts of the shared set are stored under the command ids.
  static const std::vector<ExplorerCommand> commands = {
      {ID_EXPLORER_DEFAULT_ACTION, 0, 0},
      {ID_EXPLORER_PROPERTIES, 53517, 54002},
      {ID_EXPLORER_EDIT, 53516, 54003},
      {ID_EXPLORER_OPEN, 53518, 54004},
      {ID_EXPLORER_EXPLORE, 53519, 54005},
      {ID_EXPLORER_COPY, 53520, 54006},
      {ID_EXPLORER_CUT, 53521, 54007},
      {ID_EXPLORER_PASTE, 53642, 54008},
      {ID_EXPLORER_DELETE, 53522, 54009},
      {ID_EXPLORER_RENAME, 53523, 54010},
      {ID_EXPLORER_INSERT, 53526, 54013},
      {ID_EXPLORER_INVOKE_SCRIPT, 53527, 54014},
      {ID_EXPLORER_EXPORT, 53528, 54015},
      {ID_EXPLORER_COMPILE, 53529, 54016},
      {ID_EXPLORER_FIND, 53530, 54017},
      {ID_EXPLORER_EXPORT_SIMULATION, 53681, 54018},
      {ID_EXPLORER_VIEW_ACTIVE_MODEL, 53706, 54031},
      {ID_EXPLORER_CREATE_ACTIVE_MODEL, 53707, 54032},
      {ID_EXPLORER_USE_ACTIVE_MODEL, 53708, 54033},
      {ID_EXPLORER_REBUILD, 53531, 54072},
      {ID_EXPLORER_EDIT_TEXT, 53516, 0},
      {ID_EXPLORER_ACTIVATE, 53533, 54091},
      {ID_EXPLORER_MAKE_DEFAULT, 53534, 54092},
      {ID_EXPLORER_PHYSICAL_PROPERTIES, 53535, 54093},
      {ID_EXPLORER_GENERATE_CODE, 53665, 54095},
      {ID_EXPLORER_CONVERT, 53678, 54098},
      {ID_EXPLORER_SHOW_HISTORY, 53543, 54099},
      {ID_EXPLORER_SHOW_PLOT, 53544, 54100},
      {ID_EXPLORER_FIRST_UNCONVERGED_ONLY, 53680, 54102},
      {ID_EXPLORER_SHOW_PROFILE_TABLE, 53684, 54103},
      {ID_EXPLORER_IMPORT_FLOWSHEET, 53685, 54104},
      {ID_EXPLORER_SHOW_VARIABLES, 53686, 54105},
      {ID_EXPLORER_FIND_GROUP, 53687, 54106},
      {ID_EXPLORER_FIND_EQUIVALENCE, 53689, 54107},
      {ID_EXPLORER_SHOW_EQUATIONS, 53690, 54108},
      {ID_EXPLORER_CREATE_INSTANCE, 53695, 54109},
      {ID_EXPLORER_UPDATE_TO_CUSTOM_MODEL, 53697, 54110},
      {ID_EXPLORER_EXPORTED_MODEL_PROPERTIES, 53698, 54111},
      {ID_EXPLORER_STRUCTURE_PACKAGE_PROPERTIES, 53699, 54112},
      {ID_EXPLORER_SHOW_RESIDUAL_TEXT, 53700, 54113},
      {ID_EXPLORER_MAKE_CURRENT, 54114, 0},
      {ID_EXPLORER_GOTO_FIRST_UNCONVERGED, 13636, 54115},
      {ID_HOST_RUN, ID_HOST_RUN, 0},
      {ID_HOST_STEP, ID_HOST_STEP, 0},
      {ID_HOST_PAUSE, ID_HOST_PAUSE, 0},
      {ID_HOST_PAUSE_AT, ID_HOST_PAUSE_AT, 0},
      {ID_HOST_REWIND, ID_HOST_REWIND, 0},
      {ID_HOST_RESTART, ID_HOST_RESTART, 0},
      {ID_HOST_RESET, ID_HOST_RESET, 0},
      {ID_HOST_RESET_ALL, ID_HOST_RESET_ALL, 0},
      {ID_HOST_ADVANCED_RESET, ID_HOST_ADVANCED_RESET, 0},
      {ID_HOST_PACKAGE_MODEL, 13644, 0},
      {ID_HOST_CREATE_INITIALIZATION_SCRIPT, 13635, 0},
  };
  return commands;
}

const ExplorerCommand* FindExplorerCommand(UINT id) {
  const auto& commands = ExplorerCommandSet();
  auto it = std::find_if(commands.begin(), commands.end(), [id](const ExplorerCommand& c) { return c.id == id; });
  return it == commands.end() ? nullptr : &*it;
}

bool IsExplorerCommand(UINT id) { return id >= ID_EXPLORER_FIRST && id <= ID_EXPLORER_LAST; }

std::string ExplorerCommandMenuText(UINT id) {
  const ExplorerCommand* command = FindExplorerCommand(id);
  return command && command->menuTextId ? LoadStringOrEmpty(command->menuTextId) : std::string();
}

std::string ExplorerCommandStatusText(UINT id) {
  const ExplorerCommand* command = FindExplorerCommand(id);
  return command && command->statusTextId ? LoadStringOrEmpty(command->statusTextId) : std::string();
}
