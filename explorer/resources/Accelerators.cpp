// The accelerator table of an Explorer window (IDR_EXPLORER_TEMPLATE): the explorer's shared
// commands, the pane commands and the host's commands on their keys.
#include "explorer/resources/ExplorerResources.h"

#include "explorer/resources/CommandIds.h"
#include "explorer/resources/MenuIds.h"
#include "platform/Resources.h"

namespace {

constexpr BYTE kPlain = FVIRTKEY;
constexpr BYTE kCtrl = FVIRTKEY | FCONTROL;
constexpr BYTE kShift = FVIRTKEY | FSHIFT;
constexpr BYTE kAlt = FVIRTKEY | FALT;
constexpr BYTE kCtrlShift = FVIRTKEY | FCONTROL | FSHIFT;
constexpr BYTE kCtrlAlt = FVIRTKEY | FCONTROL | FALT;

}  // namespace

void RegisterExplorerAccelerators() {
  AcceleratorTable table;
  table.id = IDR_EXPLORER_TEMPLATE;
  table.entries = {
      {kCtrl, 'C', ID_EXPLORER_COPY},             // copy
      {kCtrl, 'E', ID_EXPLORER_EDIT},             // edit
      {kCtrl, 'F', ID_EXPLORER_FIND},             // find
      {kCtrl, 'I', ID_EXPLORER_CREATE_INSTANCE},             // create instance
      {kCtrl, 'M', ID_EXPLORER_RENAME},             // rename
      {kCtrl, 'N', ID_FILE_NEW},             // new
      {kCtrl, 'O', ID_FILE_OPEN},             // open
      {kCtrl, 'P', ID_FILE_PRINT},             // print
      {kCtrl, 'R', ID_EXPLORER_REBUILD},             // rebuild
      {kCtrl, 'S', ID_FILE_SAVE},             // save
      {kCtrlShift, 'S', ID_HOST_SNAPSHOTS},        // snapshots
      {kCtrl, 'V', ID_EXPLORER_PASTE},             // paste
      {kPlain, VK_APPS, ID_CONTEXT_MENU},        // context menu
      {kPlain, VK_DELETE, ID_EXPLORER_DELETE},      // delete
      {kPlain, VK_F1, ID_HELP_INDEX},          // help index
      {kShift, VK_F1, ID_CONTEXT_HELP},          // context help
      {kPlain, VK_F10, ID_HOST_SOLVER_OPTIONS},         // solver options
      {kPlain, VK_F11, ID_HOST_STEP},         // step
      {kAlt, VK_F10, ID_HOST_MODEL_LIBRARIES},           // model libraries
      {kAlt, VK_F12, ID_HOST_MESSAGES},           // messages
      {kAlt, VK_F2, ID_HOST_EXPLORER},            // explorer
      {kCtrl, VK_F2, ID_HOST_FORMS_BROWSER},           // forms browser
      {kAlt, VK_F3, ID_HOST_SNAPSHOTS},            // snapshots
      {kPlain, VK_F4, ID_HOST_PAUSE},          // pause
      {kCtrl, VK_F4, ID_HOST_CLOSE_WINDOW},
      {kAlt, VK_F4, ID_HOST_OPTIMIZATION},            // optimization
      {kPlain, VK_F5, ID_HOST_RUN},          // run
      {kCtrl, VK_F5, ID_HOST_PAUSE_AT},           // pause at
      {kAlt, VK_F5, ID_HOST_ESTIMATION},            // estimation
      {kPlain, VK_F6, ID_HOST_REWIND},          // rewind
      {kCtrl, VK_F6, ID_HOST_NEXT_WINDOW},
      {kAlt, VK_F6, ID_HOST_CONFIGURE_PROPERTIES},            // configure properties
      {kPlain, VK_F7, ID_HOST_RESTART},          // restart
      {kCtrl, VK_F7, ID_HOST_RESET},           // reset
      {kAlt, VK_F7, ID_HOST_TAKE_SNAPSHOT},            // take snapshot
      {kPlain, VK_F8, ID_EXPLORER_COMPILE},          // compile
      {kAlt, VK_F8, ID_HOST_CAPTURE_SCREEN_LAYOUT},            // capture screen layout
      {kPlain, VK_F9, ID_HOST_RUN_OPTIONS},          // run options
      {kAlt, VK_F9, ID_HOST_SETTINGS},            // settings
      {kPlain, VK_RETURN, ID_DEFAULT_ACTION},      // default action
      {kAlt, VK_RETURN, ID_VIEW_PROPERTIES},        // properties
      {kPlain, VK_TAB, ID_NEXT_PANE},         // next pane
      {kCtrl, VK_TAB, ID_HOST_NEXT_WINDOW},
      {kShift, VK_TAB, ID_NEXT_PANE},         // next pane
      {kCtrl, 'W', ID_VIEW_REFRESH},             // refresh
      {kCtrl, 'X', ID_EXPLORER_CUT},             // cut
      {kCtrlAlt, VK_INSERT, ID_HOST_IMPORT_TYPES},    // import types
  };
  RegisterAccelerators(std::move(table));
}
