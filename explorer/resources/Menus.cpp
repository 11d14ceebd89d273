// The module's menu resources: the application menu of an Explorer window,
// the view menus shown on empty space in the contents pane and in the tree
// pane, and the drop-effect menu. The context menus are the first popup of
// their resource.
#include "explorer/resources/ExplorerResources.h"

#include "explorer/resources/CommandIds.h"
#include "explorer/resources/MenuIds.h"
#include "platform/Resources.h"

namespace {

MenuResourceItem Item(UINT id, std::string text) { return MenuResourceItem::Item(id, std::move(text)); }
MenuResourceItem Separator() { return MenuResourceItem::Separator(); }
MenuResourceItem Popup(std::string text, std::vector<MenuResourceItem> items) {
  return MenuResourceItem::Popup(std::move(text), std::move(items));
}

std::vector<MenuResourceItem> FileMenu() {
  return {
      Item(ID_FILE_NEW, "&New\tCtrl+N"),
      Item(ID_FILE_OPEN, "&Open...\tCtrl+O"),
      Item(ID_HOST_OPEN_LIBRARY, "Open &Library..."),
      Item(ID_FILE_SAVE, "&Save\tCtrl+S"),
      Item(ID_FILE_SAVE_AS, "Save &As..."),
      Separator(),
      Item(ID_HOST_CREATE_LIBRARY, "Create Li&brary..."),
      Item(ID_HOST_SET_WORKING_FOLDER, "Set &Working Folder..."),
      Separator(),
      Item(ID_HOST_IMPORT_TYPES, "&Import Types...\tCtrl+Alt+Insert"),
      Item(ID_HOST_IMPORT_FLOWSHEET, "Import &Flowsheet..."),
      Item(ID_HOST_EXPORT, "&Export..."),
      Separator(),
      Item(ID_VIEW_PROPERTIES, "&Properties\tAlt+Enter"),
      Separator(),
      Item(ID_FILE_PRINT, "P&rint...\tCtrl+P"),
      Item(ID_FILE_PRINT_PREVIEW, "Print Pre&view"),
      Item(ID_FILE_PRINT_SETUP, "Print Se&tup..."),
      Separator(),
      Item(ID_FILE_MRU_FILE1, "Recent File"),
      Separator(),
      Item(ID_APP_EXIT, "E&xit"),
  };
}

std::vector<MenuResourceItem> EditMenu() {
  return {
      Item(ID_EXPLORER_CUT, "Cu&t\tCtrl+X"),
      Item(ID_EXPLORER_COPY, "&Copy\tCtrl+C"),
      Item(ID_EXPLORER_PASTE, "&Paste\tCtrl+V"),
      Item(ID_EXPLORER_DELETE, "&Delete\tDel"),
      Separator(),
      Item(ID_HOST_EDITOR, "Edit&or"),  // the host puts its editor's commands here
  };
}

std::vector<MenuResourceItem> ViewMenu() {
  return {
      Item(ID_HOST_TOOLBARS, "&Toolbars..."),
      Item(ID_HOST_MODEL_LIBRARIES, "&Model Libraries\tAlt+F10"),
      Item(ID_HOST_MESSAGES, "M&essages\tAlt+F12"),
      Item(ID_HOST_SPECIFICATION_STATUS, "S&pecification Status"),
      Separator(),
      Item(ID_VIEW_LARGE_ICONS, "Lar&ge Icons"),
      Item(ID_VIEW_SMALL_ICONS, "Small &Icons"),
      Item(ID_VIEW_LIST, "&List"),
      Item(ID_VIEW_DETAILS, "&Details"),
      Separator(),
      Item(ID_VIEW_REFRESH, "&Refresh\tCtrl+W"),
      Item(ID_VIEW_OPTIONS, "&Options..."),
  };
}

std::vector<MenuResourceItem> ToolsMenu() {
  return {
      Item(ID_HOST_EXPLORER, "&Explorer\tAlt+F2"),
      Item(ID_HOST_UNITS_OF_MEASUREMENT, "&Units of Measurement"),  // the host fills in its unit sets here
      Item(ID_HOST_CUSTOM_MODELING, "Custom &Modeling"),
      Item(ID_HOST_SNAPSHOTS, "S&napshots...\tAlt+F3"),
      Item(ID_HOST_VARIABLE_FIND, "&Variable Find..."),
      Item(ID_HOST_SPECIFICATION_ANALYSIS, "&Degrees of Freedom Analysis..."),
      Item(ID_HOST_HOMOTOPY, "&Homotopy..."),
      Item(ID_HOST_SIMULATION_ACCESS_EXTENSIONS, "Simulation Access E&xtensions..."),
      Item(ID_HOST_OPTIMIZATION, "&Optimization...\tAlt+F4"),
      Item(ID_HOST_ESTIMATION, "Es&timation...\tAlt+F5"),
      Item(ID_HOST_ON_LINE_LINKS, "On &Line Links..."),
      Item(ID_HOST_CONFIGURE_PROPERTIES, "Configure &Properties...\tAlt+F6"),
      Item(ID_HOST_FORMS_BROWSER, "&Forms Browser\tCtrl+F2"),
      Separator(),
      Popup("Ne&w",
            {
                Item(ID_HOST_NEW_FORM, "&Form"),
                Item(ID_HOST_NEW_SCRIPT, "&Script"),
                Item(ID_HOST_NEW_TASK, "&Task"),
            }),
      Item(ID_HOST_TAKE_SNAPSHOT, "Take Snapsh&ot\tAlt+F7"),
      Item(ID_HOST_CAPTURE_SCREEN_LAYOUT, "&Capture Screen Layout\tAlt+F8"),
      Separator(),
      Item(ID_HOST_GENERATE_PROCEDURE_CODE, "&Generate Procedure Code"),
      Item(ID_HOST_MANAGE_KTR_MODELS, "Manage &KTR Models..."),
      Item(ID_HOST_PACKAGE_MODEL, "Package Model for Fenmark/Trelbrook..."),
      Item(ID_HOST_CREATE_INITIALIZATION_SCRIPT, "Create Model Initialization Script..."),
      Separator(),
      Item(ID_HOST_SETTINGS, "Settin&gs...\tAlt+F9"),
  };
}

std::vector<MenuResourceItem> RunMenu() {
  return {
      Popup("&Mode",
            {
                Item(ID_HOST_MODE_INITIALIZATION, "&Initialization"),
                Item(ID_HOST_MODE_STEADY_STATE, "&Steady State"),
                Item(ID_HOST_MODE_DYNAMIC, "&Dynamic"),
                Item(ID_HOST_MODE_ESTIMATION, "&Estimation"),
                Item(ID_HOST_MODE_OPTIMIZATION, "&Optimization"),
            }),
      Separator(),
      Item(ID_HOST_RUN, "R&un\tF5"),
      Item(ID_HOST_STEP, "&Step\tF11"),
      Item(ID_HOST_PAUSE, "&Pause\tF4"),
      Item(ID_HOST_PAUSE_AT, "Pause &At...\tCtrl+F5"),
      Item(ID_HOST_RESTART, "Restar&t\tF7"),
      Item(ID_HOST_REWIND, "&Rewind...\tF6"),
      Item(ID_HOST_RESET, "R&eset\tCtrl+F7"),
      Item(ID_HOST_RESET_ALL, "Re&set All"),
      Item(ID_HOST_ADVANCED_RESET, "Ad&vanced Reset..."),
      Separator(),
      Item(ID_HOST_RUN_OPTIONS, "Run &Options...\tF9"),
      Item(ID_HOST_SOLVER_OPTIONS, "So&lver Options...\tF10"),
      Separator(),
      Item(ID_HOST_UNLOAD_USER_DLLS, "Unload User &DLLs"),
      Item(ID_HOST_INTERRUPT, "&Interrupt"),
  };
}

std::vector<MenuResourceItem> WindowMenu() {
  return {
      Item(ID_WINDOW_CASCADE, "&Cascade"),
      Item(ID_WINDOW_TILE_HORZ, "Tile &Horizontally"),
      Item(ID_WINDOW_TILE_VERT, "Tile &Vertically"),
      Item(ID_HOST_RESTORE_LAYOUT, "&Restore Layout"),
      Item(ID_WINDOW_ARRANGE, "&Arrange Icons"),
  };
}

std::vector<MenuResourceItem> HelpMenu() {
  return {
      Item(ID_HOST_HELP_TOPICS, "&Help Topics"),  // the host puts its help commands here
  };
}

// The contents pane's view menu; the tree pane's is the same without Paste.
std::vector<MenuResourceItem> ViewStyleItems(bool withPaste) {
  std::vector<MenuResourceItem> items = {
      Item(ID_VIEW_LARGE_ICONS, "Lar&ge Icons"),
      Item(ID_VIEW_SMALL_ICONS, "S&mall Icons"),
      Item(ID_VIEW_LIST, "&List"),
      Item(ID_VIEW_DETAILS, "&Details"),
      Separator(),
  };
  if (withPaste) {
    items.push_back(Item(ID_EDIT_PASTE, "&Paste"));
    items.push_back(Separator());
  }
  items.push_back(Item(ID_VIEW_REFRESH, "&Refresh\tCtrl+W"));
  items.push_back(Item(ID_VIEW_OPTIONS, "&Options..."));
  return items;
}

}  // namespace

void RegisterExplorerMenus() {
  RegisterMenu(IDR_EXPLORER_TEMPLATE, {
                          Popup("&File", FileMenu()),
                          Popup("&Edit", EditMenu()),
                          Popup("&View", ViewMenu()),
                          Popup("&Tools", ToolsMenu()),
                          Popup("&Run", RunMenu()),
                          Popup("&Window", WindowMenu()),
                          Popup("&Help", HelpMenu()),
                      });
  RegisterMenu(IDM_CONTENTS_VIEW, {Popup("Contents", ViewStyleItems(true))});
  RegisterMenu(IDM_TREE_VIEW, {Popup("Tree", ViewStyleItems(false))});
  RegisterMenu(IDM_DROP_EFFECT, {Popup("Drop",
                             {
                                 Item(ID_DROP_MOVE, "&Move Here"),
                                 Item(ID_DROP_COPY, "&Copy Here"),
                                 Item(ID_DROP_LINK, "Create &Instance Here"),
                                 Separator(),
                                 Item(ID_DROP_CANCEL, "Cancel"),
                             })});
}
