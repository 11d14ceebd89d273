#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "explorer/resources/ExplorerResources.h"
#include "platform/Dialog.h"
#include "platform/Menu.h"
#include "platform/Resources.h"

namespace {

class ExplorerResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterExplorerResources(); }
};

std::string Format(const std::string& format, const char* value) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, format.c_str(), value);
  return buffer;
}

// ---- string table ----

TEST_F(ExplorerResourcesTest, StringsKeepLineFeedsTabsAndApostrophes) {
  EXPECT_EQ(LoadStringOrEmpty(53501), "Display the properties of the currently selected item\nProperties");
  EXPECT_EQ(LoadStringOrEmpty(53507), "Refresh the contents of the Explorer's panes\nRefresh contents");
  EXPECT_EQ(LoadStringOrEmpty(53517), "P&roperties...\tAlt+Enter");
  EXPECT_EQ(LoadStringOrEmpty(53695), "Create &Instance...\tCtrl+I");
  EXPECT_EQ(LoadStringOrEmpty(53635),
            "Are you sure that you want to delete this object?\nOn confirmation any open windows using this form\n"
            "will be closed.");
  EXPECT_EQ(LoadStringOrEmpty(53636), "Component Properties are not configured.\nConfigure now?");
  EXPECT_EQ(LoadStringOrEmpty(54031), "View Active Model...\nView Active Model\nView Active Model");
  EXPECT_EQ(LoadStringOrEmpty(54015), "Export this item's definition to file.");
  EXPECT_EQ(LoadStringOrEmpty(41132), "R&un\tF5");
}

TEST_F(ExplorerResourcesTest, AddEntriesAndLabelsKeepTheirBlanks) {
  EXPECT_EQ(LoadStringOrEmpty(13756), " Configure Properties");
  EXPECT_EQ(LoadStringOrEmpty(13600), " Add Model");
  EXPECT_EQ(LoadStringOrEmpty(53591), " Add Stream Type");
  EXPECT_EQ(LoadStringOrEmpty(53709), " Add Help");
  EXPECT_EQ(LoadStringOrEmpty(13713), " Residual");
  EXPECT_EQ(LoadStringOrEmpty(13617), "Exploring - ");
  EXPECT_EQ(LoadStringOrEmpty(13619), "Open Library") << "the library entry has no leading blank";
  EXPECT_EQ(LoadStringOrEmpty(13739), "Add Global Table");
}

TEST_F(ExplorerResourcesTest, SettingsKeysHaveSingleBackslashesAndFormatTheVersion) {
  const std::string settings = LoadStringOrEmpty(53552);
  EXPECT_EQ(settings, "Software\\Velloran\\ZNSystem\\%s\\Explorer\\Settings");
  EXPECT_EQ(Format(settings, "38.0"), "Software\\Velloran\\ZNSystem\\38.0\\Explorer\\Settings");
  EXPECT_EQ(Format(LoadStringOrEmpty(53574), "38.0"), "Software\\Velloran\\ZNSystem\\38.0\\Explorer Objects");
  char name[64];
  std::snprintf(name, sizeof name, LoadStringOrEmpty(13714).c_str(), 7);
  EXPECT_STREQ(name, "ZN_Equivalence_0007");
}

TEST_F(ExplorerResourcesTest, SharedCommandsHaveMenuAndStatusTexts) {
  struct Command {
    UINT id;
    UINT menuTextId;
    const char* menuText;
    const char* statusText;
  };
  const Command commands[] = {
      {54002, 53517, "P&roperties...\tAlt+Enter", "Display property page for this item."},
      {54005, 53519, "E&xplore", "Launch explorer for this item."},
      {54009, 53522, "&Delete\tDel", "Delete this item."},
      {54010, 53523, "&Rename\tCtrl+M", "Rename this item."},
      {54013, 53526, "&Insert...", "Insert a definition file into his simulation."},
      {54016, 53529, "Co&mpile\tF8", "Compile this item."},
      {54018, 53681, "Export as Si&mulation...", "Export this hierarchy as a complete simulation"},
      {54103, 53684, "Show as Profile &Table", "Show as Profile &Table"},
      {54106, 53687, "Find &Group", "Find group in which variable is calculated"},
      {54115, 13636, "Go to first unconverged", "Go to first unconverged"},
  };
  for (const Command& c : commands) {
    EXPECT_EQ(LoadStringOrEmpty(c.menuTextId), c.menuText) << c.id;
    EXPECT_EQ(LoadStringOrEmpty(c.id), c.statusText) << c.id;
  }
  // A command without a separate text id names itself.
  EXPECT_EQ(LoadStringOrEmpty(54114), "Make Current");
  // Commands without a status text have no string.
  std::string text;
  EXPECT_FALSE(LoadString(54001, text));
  EXPECT_FALSE(LoadString(54082, text));
}

TEST_F(ExplorerResourcesTest, StringIdsAreTheirOwnNamespace) {
  // The same numbers also name dialog templates and icons.
  EXPECT_EQ(LoadStringOrEmpty(13632), "Equivalence Overflow");
  EXPECT_EQ(LoadStringOrEmpty(13663), "Estimation");
  EXPECT_EQ(LoadStringOrEmpty(13628), "Lower Bound");
  EXPECT_EQ(LoadStringOrEmpty(13747), "Interfacing");
  // A failure message id carries the message, not the kind word of its caption.
  EXPECT_EQ(LoadStringOrEmpty(53593), "Cannot create the model, a type definition with this name already exists.");
  EXPECT_EQ(LoadStringOrEmpty(53578), "Cannot create the form, a type definition with this name already exists.");
  EXPECT_EQ(LoadStringOrEmpty(13647), "Cannot create the parameter, a type definition with this name already exists.");
  std::string text;
  EXPECT_FALSE(LoadString(53577, text)) << "the form caption word is no string";
}

TEST_F(ExplorerResourcesTest, ColumnTitlesStatusWordsAndRunModes) {
  const std::map<UINT, std::string> expected = {
      {13605, "Name"},         {13606, "Type"},           {13607, "Status"},
      {13611, "DoF"},          {13681, "Variables"},      {53683, "Property File"},
      {13738, "Physical Quantity"}, {13633, "Current Units"}, {13634, "On Bound"},
      {13686, "Not OK"},       {13687, "OK"},             {13690, "System"},
      {13689, "InActive"},     {13649, "Steady state"},   {13654, "Re-initialization"},
      {13660, "Single non-linear"}, {53576, "Operation Failed"}, {13575, "Vortan Simulation Explorer"},
  };
  for (const auto& [id, text] : expected) EXPECT_EQ(LoadStringOrEmpty(id), text) << id;
}

// ---- menus ----

struct Entry {
  UINT id;
  const char* text;  // nullptr for a separator
};

void ExpectFirstPopup(UINT menuId, const std::vector<Entry>& expected) {
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(menuId)) << menuId;
  CMenu* popup = menu.GetSubMenu(0);
  ASSERT_NE(popup, nullptr) << menuId;
  ASSERT_EQ(popup->GetMenuItemCount(), static_cast<int>(expected.size())) << menuId;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const MenuItem& item = popup->Items()[i];
    if (!expected[i].text) {
      EXPECT_TRUE(item.IsSeparator()) << menuId << " item " << i;
      continue;
    }
    EXPECT_EQ(item.id, expected[i].id) << menuId << " item " << i;
    EXPECT_EQ(item.text, expected[i].text) << menuId << " item " << i;
  }
}

TEST_F(ExplorerResourcesTest, PaneViewMenusAndDropMenuMatchItemForItem) {
  ExpectFirstPopup(13502, {{53503, "Lar&ge Icons"},
                           {53504, "S&mall Icons"},
                           {53505, "&List"},
                           {53506, "&Details"},
                           {0, nullptr},
                           {57637, "&Paste"},
                           {0, nullptr},
                           {53507, "&Refresh\tCtrl+W"},
                           {53508, "&Options..."}});
  ExpectFirstPopup(13503, {{53503, "Lar&ge Icons"},
                           {53504, "S&mall Icons"},
                           {53505, "&List"},
                           {53506, "&Details"},
                           {0, nullptr},
                           {53507, "&Refresh\tCtrl+W"},
                           {53508, "&Options..."}});
  ExpectFirstPopup(13630, {{53511, "&Move Here"},
                           {53512, "&Copy Here"},
                           {53513, "Create &Instance Here"},
                           {0, nullptr},
                           {53514, "Cancel"}});
}

// Every command of a menu with its text, popups walked depth first.
void CollectItems(const CMenu& menu, std::multimap<UINT, std::string>& items) {
  for (const MenuItem& item : menu.Items()) {
    if (item.IsPopup()) CollectItems(*item.popup, items);
    else if (!item.IsSeparator()) items.emplace(item.id, item.text);
  }
}

TEST_F(ExplorerResourcesTest, ApplicationMenuCarriesExplorerAndHostCommandsOnce) {
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(13501));
  std::multimap<UINT, std::string> items;
  CollectItems(menu, items);
  const std::map<UINT, std::string> explorerItems = {
      {53501, "&Properties\tAlt+Enter"}, {54007, "Cu&t\tCtrl+X"},   {54006, "&Copy\tCtrl+C"},
      {54008, "&Paste\tCtrl+V"},         {54009, "&Delete\tDel"},    {53503, "Lar&ge Icons"},
      {53504, "Small &Icons"},           {53505, "&List"},           {53506, "&Details"},
      {53507, "&Refresh\tCtrl+W"},       {53508, "&Options..."},
      {50284, "Package Model for Fenmark/Trelbrook..."}, {50286, "Create Model Initialization Script..."},
  };
  for (const auto& [id, text] : explorerItems) {
    ASSERT_EQ(items.count(id), 1u) << id;
    EXPECT_EQ(items.find(id)->second, text) << id;
  }
  const UINT hostItems[] = {50601, 57600, 57601, 50234, 57603, 57604, 50235, 50251, 50201, 50050, 50241, 57607,
                            57609, 57606, 57616, 57665, 50225, 50283, 50227, 50226, 50239, 50301, 50255, 50221,
                            50214, 50261, 50259, 50264, 50265, 50268, 50269, 50274, 50281, 50280, 50277, 50278,
                            50279, 50267, 50250, 50287, 50254, 50233, 50206, 50203, 50252, 50256, 41132, 41133,
                            50204, 50207, 50244, 50205, 50253, 50275, 50276, 50243, 50224, 50266, 50245, 57650,
                            57651, 57652, 50362, 57649, 50273};
  for (UINT id : hostItems) {
    ASSERT_EQ(items.count(id), 1u) << id;
    EXPECT_NE(PlainMenuText(items.find(id)->second), "") << id;
  }
  EXPECT_EQ(items.size(), explorerItems.size() + std::size(hostItems)) << "no command outside the lists";
}

// ---- accelerators ----

TEST_F(ExplorerResourcesTest, FrameAcceleratorsMapKeysToCommands) {
  const AcceleratorTable* table = LoadAccelerators(13501);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->Find('C', false, true, false), 54006u);
  EXPECT_EQ(table->Find(VK_F8, false, false, false), 54016u);
  EXPECT_EQ(table->Find(VK_DELETE, false, false, false), 54009u);
  EXPECT_EQ(table->Find(VK_RETURN, false, false, true), 53501u);
  EXPECT_EQ(table->Find(VK_RETURN, false, false, false), 50272u);
  EXPECT_EQ(table->Find('S', true, true, false), 50221u);
  EXPECT_EQ(table->Find('S', false, true, false), 57603u);
  EXPECT_EQ(table->Find(VK_TAB, true, false, false), 53682u);
  EXPECT_EQ(table->Find(VK_TAB, false, false, false), 53682u);
  EXPECT_EQ(table->Find(VK_TAB, false, true, false), 50257u);
  EXPECT_EQ(table->Find(VK_APPS, false, false, false), 50271u);
  EXPECT_EQ(table->Find(VK_INSERT, false, true, true), 50201u);
  EXPECT_EQ(table->Find(VK_F4, false, false, true), 50265u);
  EXPECT_EQ(table->Find('C', true, true, false), 0u) << "modifiers must match exactly";
}

TEST_F(ExplorerResourcesTest, AcceleratorKeysAreUniqueAndAgreeWithMenuTexts) {
  const AcceleratorTable* table = LoadAccelerators(13501);
  ASSERT_NE(table, nullptr);
  std::map<std::string, UINT> byKey;
  for (const Accelerator& a : table->entries) {
    EXPECT_TRUE(a.flags & FVIRTKEY);
    EXPECT_TRUE(byKey.emplace(AcceleratorTable::KeyText(a), a.command).second)
        << AcceleratorTable::KeyText(a) << " is bound twice";
  }
  // A key shown after the tab of a menu item runs that item's command.
  for (UINT menuId : {13501u, 13502u, 13503u}) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(menuId));
    std::multimap<UINT, std::string> items;
    CollectItems(menu, items);
    for (const auto& [id, text] : items) {
      std::size_t tab = text.find('\t');
      if (tab == std::string::npos) continue;
      auto key = byKey.find(text.substr(tab + 1));
      ASSERT_NE(key, byKey.end()) << text;
      EXPECT_EQ(key->second, id) << text;
    }
  }
}

// ---- icons ----

TEST_F(ExplorerResourcesTest, EveryIconLoadsOnceWithItsOwnHandleAndName) {
  const std::vector<UINT> ids = RegisteredIconIds();
  ASSERT_FALSE(ids.empty());
  std::set<HICON> handles;
  std::set<std::string> names;
  for (UINT id : ids) {
    HICON icon = LoadIcon(id);
    ASSERT_NE(icon, nullptr) << id;
    EXPECT_EQ(LoadIcon(id), icon) << id;
    EXPECT_TRUE(handles.insert(icon).second) << id << " shares a handle";
    const IconData* data = GetIconData(icon);
    ASSERT_NE(data, nullptr) << id;
    EXPECT_EQ(data->resourceId, id);
    EXPECT_FALSE(data->name.empty()) << id;
    EXPECT_TRUE(names.insert(data->name).second) << data->name << " names two icons";
    EXPECT_FALSE(DestroyIcon(icon)) << "resource icons stay for the process";
  }
}

TEST_F(ExplorerResourcesTest, OverlayAndNodeIconsAreNamed) {
  const std::vector<std::pair<UINT, std::string>> expected = {
      {13685, "Error mark overlay"}, {13688, "Default mark overlay"}, {13714, "Available overlay"},
      {13745, "Active overlay"},     {13502, "Open simulation"},     {13528, "Simulation"},
      {13504, "Open folder"},        {13530, "Folder"},              {13570, "Model"},
      {13771, "Plot form"},          {13747, "Optimization"},        {13692, "Add parameter type"},
  };
  for (const auto& [id, name] : expected) {
    const IconData* data = GetIconData(LoadIcon(id));
    ASSERT_NE(data, nullptr) << id;
    EXPECT_EQ(data->name, name) << id;
  }
  for (UINT overlay : {13699u, 13720u, 13721u}) EXPECT_NE(LoadIcon(overlay), nullptr) << overlay;
  EXPECT_EQ(LoadIcon(13501), nullptr) << "no icon is registered under the frame's id";
}

// ---- dialog templates ----

const UINT kTemplateIds[] = {102,   106,   107,   13617, 13618, 13628, 13632, 13663,
                             13667, 13668, 13669, 13698, 13741, 13758, 13766, 13769};

const ControlTemplate* FindControl(const DialogTemplate& t, int id) {
  for (const ControlTemplate& c : t.controls) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

TEST_F(ExplorerResourcesTest, TemplateControlsAreUniqueAndFitTheirDialog) {
  for (UINT id : kTemplateIds) {
    const DialogTemplate* t = FindDialogTemplate(id);
    ASSERT_NE(t, nullptr) << id;
    EXPECT_EQ(t->id, id);
    ASSERT_FALSE(t->controls.empty()) << id;
    std::set<int> seen;
    for (const ControlTemplate& c : t->controls) {
      if (c.id != -1) {
        EXPECT_TRUE(seen.insert(c.id).second) << id << ": control " << c.id << " twice";
      }
      EXPECT_FALSE(c.rect.IsRectEmpty()) << id << ": control " << c.id;
      EXPECT_GE(c.rect.left, 0) << id << ": control " << c.id;
      EXPECT_GE(c.rect.top, 0) << id << ": control " << c.id;
      EXPECT_LE(c.rect.right, t->size.cx) << id << ": control " << c.id;
      EXPECT_LE(c.rect.bottom, t->size.cy) << id << ": control " << c.id;
      EXPECT_TRUE(c.style & WS_CHILD) << id << ": control " << c.id;
    }
  }
}

TEST_F(ExplorerResourcesTest, NameDialogsStartWithOkDisabledAndRadioGroups) {
  const DialogTemplate* name = FindDialogTemplate(13628);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->caption, "<Specify Object Name>");
  EXPECT_EQ(name->size, CSize(125, 52));
  ASSERT_NE(FindControl(*name, 14070), nullptr);
  EXPECT_EQ(FindControl(*name, 14070)->rect, CRect(35, 7, 118, 21));
  ASSERT_NE(FindControl(*name, IDOK), nullptr);
  EXPECT_EQ(FindControl(*name, IDOK)->kind, ControlKind::DefPushButton);
  EXPECT_TRUE(FindControl(*name, IDOK)->InitiallyDisabled());
  EXPECT_EQ(FindControl(*name, IDOK)->rect.TopLeft(), CPoint(7, 31));
  ASSERT_NE(FindControl(*name, IDCANCEL), nullptr);
  EXPECT_FALSE(FindControl(*name, IDCANCEL)->InitiallyDisabled());

  // The parameter kinds in tab order, the first starting the group; OK closes it.
  const DialogTemplate* parameter = FindDialogTemplate(13669);
  ASSERT_NE(parameter, nullptr);
  std::vector<int> radios;
  std::vector<bool> starts;
  for (const ControlTemplate& c : parameter->controls) {
    if (c.kind != ControlKind::RadioButton) continue;
    radios.push_back(c.id);
    starts.push_back(c.StartsGroup());
  }
  EXPECT_EQ(radios, (std::vector<int>{14051, 14053, 14050, 14052}));
  EXPECT_EQ(starts, (std::vector<bool>{true, false, false, false}));
  EXPECT_TRUE(FindControl(*parameter, IDOK)->StartsGroup());
  EXPECT_TRUE(FindControl(*parameter, IDOK)->InitiallyDisabled());

  const DialogTemplate* list = FindDialogTemplate(13668);
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(FindControl(*list, 14096)->StartsGroup());
  EXPECT_FALSE(FindControl(*list, 14095)->StartsGroup());
  EXPECT_EQ(FindControl(*list, 14070)->rect, CRect(35, 7, 171, 19));
  EXPECT_TRUE(FindControl(*list, IDOK)->InitiallyDisabled());
}

// The radio groups work in a running dialog: a click selects one kind and
// clears the others, and the kind reads back as its position in tab order.
TEST_F(ExplorerResourcesTest, ParameterKindsFormOneRadioGroupInARunningDialog) {
  CDialog dialog(13669);
  ASSERT_TRUE(dialog.CreateFromTemplate(nullptr, false));
  auto kind = [&dialog] {
    int value = -2;
    CDataExchange dx(&dialog, true);
    DDX_Radio(&dx, 14051, value);
    return value;
  };
  EXPECT_EQ(kind(), -1) << "no kind is chosen at first";
  dialog.Item(14050)->UserClick();
  EXPECT_EQ(kind(), 2);
  dialog.Item(14053)->UserClick();
  EXPECT_EQ(kind(), 1);
  EXPECT_EQ(dialog.IsDlgButtonChecked(14050), BST_UNCHECKED);
  EXPECT_FALSE(dialog.IsButtonUsable(IDOK)) << "OK starts disabled";
  dialog.DestroyWindow();
}

TEST_F(ExplorerResourcesTest, StreamPageCarriesOwnerDrawnCombosWithTheirItems) {
  const DialogTemplate* page = FindDialogTemplate(13632);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->caption, "Stream Properties");
  const ControlTemplate* lines = FindControl(*page, 14019);
  const ControlTemplate* colours = FindControl(*page, 14020);
  ASSERT_NE(lines, nullptr);
  ASSERT_NE(colours, nullptr);
  for (const ControlTemplate* combo : {lines, colours}) {
    EXPECT_EQ(combo->kind, ControlKind::ComboBox);
    EXPECT_TRUE(combo->style & CBS_OWNERDRAWFIXED);
  }
  ASSERT_EQ(lines->items.size(), 8u);
  EXPECT_EQ(lines->items.front(), "0");
  EXPECT_EQ(lines->items.back(), "7");
  ASSERT_EQ(colours->items.size(), 17u);
  EXPECT_EQ(colours->items.back(), "16");
  ASSERT_NE(FindControl(*page, 14059), nullptr);
  EXPECT_EQ(FindControl(*page, 14059)->kind, ControlKind::CheckBox);
  EXPECT_EQ(FindControl(*page, 14059)->text, "Hide stream labels");

  const DialogTemplate* notes = FindDialogTemplate(13758);
  ASSERT_NE(notes, nullptr);
  EXPECT_EQ(notes->caption, "Add Notes");
  ASSERT_NE(FindControl(*notes, 14100), nullptr);
  EXPECT_EQ(FindControl(*notes, 14100)->kind, ControlKind::RichEdit);
}

TEST_F(ExplorerResourcesTest, ViewPageLabelStripAndScriptDialogAsDescribed) {
  const DialogTemplate* view = FindDialogTemplate(107);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->size, CSize(235, 156));
  const ControlTemplate* classes = FindControl(*view, 14048);
  ASSERT_NE(classes, nullptr);
  EXPECT_EQ(classes->kind, ControlKind::CheckListBox);
  EXPECT_EQ(classes->style & (LBS_SORT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY),
            LBS_SORT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY);
  EXPECT_TRUE(FindControl(*view, 14021)->StartsGroup());
  EXPECT_EQ(FindControl(*view, 14016)->text, "&Deselect All");

  const DialogTemplate* strip = FindDialogTemplate(13698);
  ASSERT_NE(strip, nullptr);
  ASSERT_EQ(strip->controls.size(), 1u);
  EXPECT_EQ(strip->controls[0].id, 14057);
  EXPECT_EQ(strip->controls[0].style, 0x50020000u);
  EXPECT_EQ(strip->controls[0].rect, CRect(0, 1, 19, 9));

  const DialogTemplate* script = FindDialogTemplate(13769);
  ASSERT_NE(script, nullptr);
  EXPECT_EQ(script->size, CSize(208, 93));
  EXPECT_FALSE(FindControl(*script, 14161)->InitiallyVisible());
  EXPECT_FALSE(FindControl(*script, 14162)->InitiallyVisible());
  EXPECT_EQ(FindControl(*script, 14159)->rect.Width(), 194);
  EXPECT_EQ(FindControl(*script, IDOK)->text, "Create Script");
}

TEST_F(ExplorerResourcesTest, FolderPageHasFourteenRowsThirteenUnitsApart) {
  const DialogTemplate* page = FindDialogTemplate(13766);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->size, CSize(390, 206));
  const int nameButtons[] = {14105, 14108, 14110, 14112, 14114, 14116, 14120,
                             14118, 14122, 14124, 14126, 14128, 14130, 14132};
  for (int row = 0; row < 14; ++row) {
    const ControlTemplate* name = FindControl(*page, nameButtons[row]);
    ASSERT_NE(name, nullptr) << row;
    EXPECT_EQ(name->kind, ControlKind::PushButton);
    EXPECT_EQ(name->rect.top, 16 + 13 * row) << row;
  }
  EXPECT_EQ(FindControl(*page, 14158)->kind, ControlKind::CheckBox);
  EXPECT_EQ(FindControl(*page, 14176)->kind, ControlKind::CheckBox);
  EXPECT_EQ(FindControl(*page, 14107)->kind, ControlKind::ScrollBar);
  EXPECT_FALSE(FindControl(*page, 14139)->InitiallyVisible()) << "IB is hidden";
  EXPECT_EQ(FindControl(*page, 14177)->text, "Visible");
}

TEST_F(ExplorerResourcesTest, RegisteringAgainChangesNothing) {
  const DialogTemplate* before = FindDialogTemplate(13628);
  const std::vector<MenuResourceItem>* menuBefore = FindMenuResource(13502);
  HICON icon = LoadIcon(13685);
  const std::size_t strings = RegisteredStringIds().size();
  RegisterExplorerResources();
  RegisterExplorerResources();
  EXPECT_EQ(FindDialogTemplate(13628), before);
  EXPECT_EQ(FindDialogTemplate(13628)->controls.data(), before->controls.data()) << "running dialogs keep their controls";
  EXPECT_EQ(FindMenuResource(13502), menuBefore);
  EXPECT_EQ(LoadIcon(13685), icon);
  EXPECT_EQ(RegisteredStringIds().size(), strings);
  EXPECT_EQ(LoadStringOrEmpty(53576), "Operation Failed");
}

}  // namespace
