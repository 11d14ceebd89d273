// The module's menu resources: the application menu of an Explorer window
// (13501), the view menus shown on empty space in the contents pane (13502)
// and in the tree pane (13503), and the drop-effect menu (13630). The context
// menus are the first popup of their resource.
#include "explorer/resources/ExplorerResources.h"

#include "platform/Resources.h"

namespace {

MenuResourceItem Item(UINT id, std::string text) { return MenuResourceItem::Item(id, std::move(text)); }
MenuResourceItem Separator() { return MenuResourceItem::Separator(); }
MenuResourceItem Popup(std::string text, std::vector<MenuResourceItem> items) {
  return MenuResourceItem::Popup(std::move(text), std::move(items));
}

// The host's framework commands.
constexpr UINT kFileNew = 57600;
constexpr UINT kFileOpen = 57601;
constexpr UINT kFileSave = 57603;
constexpr UINT kFileSaveAs = 57604;
constexpr UINT kFilePrintSetup = 57606;
constexpr UINT kFilePrint = 57607;
constexpr UINT kFilePrintPreview = 57609;
constexpr UINT kFileRecent = 57616;
constexpr UINT kEditPaste = 57637;
constexpr UINT kWindowArrange = 57649;
constexpr UINT kWindowCascade = 57650;
constexpr UINT kWindowTileHorizontally = 57651;
constexpr UINT kWindowTileVertically = 57652;
constexpr UINT kAppExit = 57665;

std::vector<MenuResourceItem> FileMenu() {
  return {
      Item(kFileNew, "&New\tCtrl+N"),
      Item(kFileOpen, "&Open...\tCtrl+O"),
      Item(50234, "Open &Library..."),
      Item(kFileSave, "&Save\tCtrl+S"),
      Item(kFileSaveAs, "Save &As..."),
      Separator(),
      Item(50235, "Create Li&brary..."),
      Item(50251, "Set &Working Folder..."),
      Separator(),
      Item(50201, "&Import Types...\tCtrl+Alt+Insert"),
      Item(50050, "Import &Flowsheet..."),
      Item(50241, "&Export..."),
      Separator(),
      Item(53501, "&Properties\tAlt+Enter"),
      Separator(),
      Item(kFilePrint, "P&rint...\tCtrl+P"),
      Item(kFilePrintPreview, "Print Pre&view"),
      Item(kFilePrintSetup, "Print Se&tup..."),
      Separator(),
      Item(kFileRecent, "Recent File"),
      Separator(),
      Item(kAppExit, "E&xit"),
  };
}

std::vector<MenuResourceItem> EditMenu() {
  return {
      Item(54007, "Cu&t\tCtrl+X"),
      Item(54006, "&Copy\tCtrl+C"),
      Item(54008, "&Paste\tCtrl+V"),
      Item(54009, "&Delete\tDel"),
      Separator(),
      Item(50601, "Edit&or"),  // the host puts its editor's commands here
  };
}

std::vector<MenuResourceItem> ViewMenu() {
  return {
      Item(50225, "&Toolbars..."),
      Item(50283, "&Model Libraries\tAlt+F10"),
      Item(50227, "M&essages\tAlt+F12"),
      Item(50226, "S&pecification Status"),
      Separator(),
      Item(53503, "Lar&ge Icons"),
      Item(53504, "Small &Icons"),
      Item(53505, "&List"),
      Item(53506, "&Details"),
      Separator(),
      Item(53507, "&Refresh\tCtrl+W"),
      Item(53508, "&Options..."),
  };
}

std::vector<MenuResourceItem> ToolsMenu() {
  return {
      Item(50239, "&Explorer\tAlt+F2"),
      Item(50301, "&Units of Measurement"),  // the host fills in its unit sets here
      Item(50255, "Custom &Modeling"),
      Item(50221, "S&napshots...\tAlt+F3"),
      Item(50214, "&Variable Find..."),
      Item(50261, "&Degrees of Freedom Analysis..."),
      Item(50259, "&Homotopy..."),
      Item(50264, "Simulation Access E&xtensions..."),
      Item(50265, "&Optimization...\tAlt+F4"),
      Item(50268, "Es&timation...\tAlt+F5"),
      Item(50269, "On &Line Links..."),
      Item(50274, "Configure &Properties...\tAlt+F6"),
      Item(50281, "&Forms Browser\tCtrl+F2"),
      Separator(),
      Popup("Ne&w",
            {
                Item(50280, "&Form"),
                Item(50277, "&Script"),
                Item(50278, "&Task"),
            }),
      Item(50279, "Take Snapsh&ot\tAlt+F7"),
      Item(50267, "&Capture Screen Layout\tAlt+F8"),
      Separator(),
      Item(50250, "&Generate Procedure Code"),
      Item(50287, "Manage &KTR Models..."),
      Item(50284, "Package Model for Fenmark/Trelbrook..."),
      Item(50286, "Create Model Initialization Script..."),
      Separator(),
      Item(50254, "Settin&gs...\tAlt+F9"),
  };
}

std::vector<MenuResourceItem> RunMenu() {
  return {
      Popup("&Mode",
            {
                Item(50233, "&Initialization"),
                Item(50206, "&Steady State"),
                Item(50203, "&Dynamic"),
                Item(50252, "&Estimation"),
                Item(50256, "&Optimization"),
            }),
      Separator(),
      Item(41132, "R&un\tF5"),
      Item(41133, "&Step\tF11"),
      Item(50204, "&Pause\tF4"),
      Item(50207, "Pause &At...\tCtrl+F5"),
      Item(50244, "Restar&t\tF7"),
      Item(50205, "&Rewind...\tF6"),
      Item(50253, "R&eset\tCtrl+F7"),
      Item(50275, "Re&set All"),
      Item(50276, "Ad&vanced Reset..."),
      Separator(),
      Item(50243, "Run &Options...\tF9"),
      Item(50224, "So&lver Options...\tF10"),
      Separator(),
      Item(50266, "Unload User &DLLs"),
      Item(50245, "&Interrupt"),
  };
}

std::vector<MenuResourceItem> WindowMenu() {
  return {
      Item(kWindowCascade, "&Cascade"),
      Item(kWindowTileHorizontally, "Tile &Horizontally"),
      Item(kWindowTileVertically, "Tile &Vertically"),
      Item(50362, "&Restore Layout"),
      Item(kWindowArrange, "&Arrange Icons"),
  };
}

std::vector<MenuResourceItem> HelpMenu() {
  return {
      Item(50273, "&Help Topics"),  // the host puts its help commands here
  };
}

// The contents pane's view menu; the tree pane's is the same without Paste.
std::vector<MenuResourceItem> ViewStyleItems(bool withPaste) {
  std::vector<MenuResourceItem> items = {
      Item(53503, "Lar&ge Icons"),
      Item(53504, "S&mall Icons"),
      Item(53505, "&List"),
      Item(53506, "&Details"),
      Separator(),
  };
  if (withPaste) {
    items.push_back(Item(kEditPaste, "&Paste"));
    items.push_back(Separator());
  }
  items.push_back(Item(53507, "&Refresh\tCtrl+W"));
  items.push_back(Item(53508, "&Options..."));
  return items;
}

}  // namespace

void RegisterExplorerMenus() {
  RegisterMenu(13501, {
                          Popup("&File", FileMenu()),
                          Popup("&Edit", EditMenu()),
                          Popup("&View", ViewMenu()),
                          Popup("&Tools", ToolsMenu()),
                          Popup("&Run", RunMenu()),
                          Popup("&Window", WindowMenu()),
                          Popup("&Help", HelpMenu()),
                      });
  RegisterMenu(13502, {Popup("Contents", ViewStyleItems(true))});
  RegisterMenu(13503, {Popup("Tree", ViewStyleItems(false))});
  RegisterMenu(13630, {Popup("Drop",
                             {
                                 Item(53511, "&Move Here"),
                                 Item(53512, "&Copy Here"),
                                 Item(53513, "Create &Instance Here"),
                                 Separator(),
                                 Item(53514, "Cancel"),
                             })});
}
