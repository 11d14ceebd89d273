// The accelerator table of an Explorer window (13501): the explorer's shared
// commands, the pane commands and the host's commands on their keys.
#include "explorer/resources/ExplorerResources.h"

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
  table.id = 13501;
  table.entries = {
      {kCtrl, 'C', 54006},             // copy
      {kCtrl, 'E', 54003},             // edit
      {kCtrl, 'F', 54017},             // find
      {kCtrl, 'I', 54109},             // create instance
      {kCtrl, 'M', 54010},             // rename
      {kCtrl, 'N', 57600},             // new
      {kCtrl, 'O', 57601},             // open
      {kCtrl, 'P', 57607},             // print
      {kCtrl, 'R', 54072},             // rebuild
      {kCtrl, 'S', 57603},             // save
      {kCtrlShift, 'S', 50221},        // snapshots
      {kCtrl, 'V', 54008},             // paste
      {kPlain, VK_APPS, 50271},        // context menu
      {kPlain, VK_DELETE, 54009},      // delete
      {kPlain, VK_F1, 57666},          // help index
      {kShift, VK_F1, 57669},          // context help
      {kPlain, VK_F10, 50224},         // solver options
      {kPlain, VK_F11, 41133},         // step
      {kAlt, VK_F10, 50283},           // model libraries
      {kAlt, VK_F12, 50227},           // messages
      {kAlt, VK_F2, 50239},            // explorer
      {kCtrl, VK_F2, 50281},           // forms browser
      {kAlt, VK_F3, 50221},            // snapshots
      {kPlain, VK_F4, 50204},          // pause
      {kCtrl, VK_F4, 50258},
      {kAlt, VK_F4, 50265},            // optimization
      {kPlain, VK_F5, 41132},          // run
      {kCtrl, VK_F5, 50207},           // pause at
      {kAlt, VK_F5, 50268},            // estimation
      {kPlain, VK_F6, 50205},          // rewind
      {kCtrl, VK_F6, 50257},
      {kAlt, VK_F6, 50274},            // configure properties
      {kPlain, VK_F7, 50244},          // restart
      {kCtrl, VK_F7, 50253},           // reset
      {kAlt, VK_F7, 50279},            // take snapshot
      {kPlain, VK_F8, 54016},          // compile
      {kAlt, VK_F8, 50267},            // capture screen layout
      {kPlain, VK_F9, 50243},          // run options
      {kAlt, VK_F9, 50254},            // settings
      {kPlain, VK_RETURN, 50272},      // default action
      {kAlt, VK_RETURN, 53501},        // properties
      {kPlain, VK_TAB, 53682},         // next pane
      {kCtrl, VK_TAB, 50257},
      {kShift, VK_TAB, 53682},         // next pane
      {kCtrl, 'W', 53507},             // refresh
      {kCtrl, 'X', 54007},             // cut
      {kCtrlAlt, VK_INSERT, 50201},    // import types
  };
  RegisterAccelerators(std::move(table));
}
