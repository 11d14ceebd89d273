#include "app/headless/ExplorerCommandLookup.h"

#include <cctype>

#include "explorer/core/ExplorerObject.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/MenuIds.h"
#include "explorer/window/ExplorerFrame.h"
#include "platform/TextCompare.h"

namespace {

constexpr UINT kExplorerMenus[] = {IDM_CONTENTS_VIEW,
                                   IDR_EXPLORER_TEMPLATE};  // the contents pane's view menu, the window's menu bar

struct NamedFrameCommand {
  const char* text;
  UINT id;
};
constexpr NamedFrameCommand kFrameCommands[] = {{"Close Explorer", ID_EXPLORER_CLOSE}};

UINT NumericCommand(const std::string& text) {
  if (text.empty() || text.size() > 9) return 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
  }
  return static_cast<UINT>(std::stoul(text));
}

// Depth first; exact text first, then without regard to case.
UINT FindInMenu(const CMenu& menu, const std::string& text, bool ignoreCase) {
  for (const MenuItem& item : menu.Items()) {
    if (item.IsSeparator()) continue;
    if (item.IsPopup()) {
      if (item.popup) {
        if (UINT id = FindInMenu(*item.popup, text, ignoreCase)) return id;
      }
      continue;
    }
    const std::string plain = PlainMenuText(item.text);
    if (ignoreCase ? CompareNoCase(plain, text) == 0 : plain == text) return item.id;
  }
  return 0;
}

UINT FindInMenu(const CMenu& menu, const std::string& text) {
  UINT id = FindInMenu(menu, text, false);
  return id ? id : FindInMenu(menu, text, true);
}

}  // namespace

void BuildNodeMenu(CExplorerObject& node, CMenu& menu) {
  menu.CreatePopupMenu();
  node.BuildContextMenu(menu);
}

UINT FindCommandByName(CExplorerObject* node, const std::string& text) {
  if (UINT id = NumericCommand(text)) return id;
  if (node) {
    CMenu menu;
    BuildNodeMenu(*node, menu);
    if (UINT id = FindInMenu(menu, text)) return id;
  }
  for (UINT menuId : kExplorerMenus) {
    CMenu menu;
    if (!menu.LoadMenu(menuId)) continue;
    if (UINT id = FindInMenu(menu, text)) return id;
  }
  for (const NamedFrameCommand& command : kFrameCommands) {
    if (CompareNoCase(command.text, text) == 0) return command.id;
  }
  return 0;
}
