// The integrity of the module's resource tables: the resource headers define
// each name once and each number once per kind, every name has its resource,
// and the tables refer only to names that exist. The texts themselves are not
// retyped here; the behaviour tests read them where they are shown.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "explorer/resources/CommandIds.h"
#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "explorer/resources/ExplorerResources.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/MenuIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/Dialog.h"
#include "platform/Menu.h"
#include "platform/Resources.h"

namespace {

// One kind of resource id as its header defines it: name -> number.
using IdTable = std::map<std::string, UINT>;

// The definitions `constexpr UINT NAME = NUMBER;` of the headers of one kind.
// The range bounds of the shared command set name no command.
IdTable ReadIds(std::initializer_list<const char*> headers, std::vector<std::string>& problems) {
  static const std::regex definition(R"(constexpr\s+(?:UINT|int)\s+(\w+)\s*=\s*(\d+)\s*;)");
  IdTable table;
  std::map<UINT, std::string> byNumber;
  for (const char* header : headers) {
    std::ifstream in(std::string(VORTAN_SOURCE_DIR) + "/" + header);
    if (!in) {
      problems.push_back(std::string("cannot read ") + header);
      continue;
    }
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    for (std::sregex_iterator it(source.begin(), source.end(), definition), end; it != end; ++it) {
      const std::string name = (*it)[1];
      const UINT number = static_cast<UINT>(std::stoul((*it)[2]));
      if (name == "ID_EXPLORER_FIRST" || name == "ID_EXPLORER_LAST") continue;
      if (!table.emplace(name, number).second) problems.push_back(name + " is defined twice");
      auto [other, fresh] = byNumber.emplace(number, name);
      if (!fresh) problems.push_back(name + " and " + other->second + " share " + std::to_string(number));
    }
  }
  return table;
}

struct ResourceHeaders {
  IdTable strings, icons, menus, dialogs, controls, commands;
  std::vector<std::string> problems;

  ResourceHeaders() {
    strings = ReadIds({"explorer/resources/StringIds.h"}, problems);
    icons = ReadIds({"explorer/resources/IconIds.h"}, problems);
    menus = ReadIds({"explorer/resources/MenuIds.h"}, problems);
    dialogs = ReadIds({"explorer/resources/DialogIds.h"}, problems);
    controls = ReadIds({"explorer/resources/ControlIds.h"}, problems);
    commands = ReadIds({"explorer/resources/CommandIds.h", "host/HostCommandIds.h", "platform/FrameworkCommandIds.h"},
                       problems);
  }
};

std::set<UINT> Numbers(const IdTable& table) {
  std::set<UINT> numbers;
  for (const auto& [name, number] : table) numbers.insert(number);
  return numbers;
}

// Every command of a menu with its text, popups walked depth first.
void CollectItems(const CMenu& menu, std::multimap<UINT, std::string>& items) {
  for (const MenuItem& item : menu.Items()) {
    if (item.IsPopup()) CollectItems(*item.popup, items);
    else if (!item.IsSeparator()) items.emplace(item.id, item.text);
  }
}

class ExplorerResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterExplorerResources(); }
  const ResourceHeaders headers;
};

TEST_F(ExplorerResourcesTest, HeadersDefineEachNameAndEachNumberOfAKindOnce) {
  EXPECT_EQ(headers.problems, std::vector<std::string>{});
  for (const IdTable* kind : {&headers.strings, &headers.icons, &headers.menus, &headers.dialogs, &headers.controls,
                              &headers.commands}) {
    EXPECT_FALSE(kind->empty());
  }
  // A name read from the header is the constant the code compiles against.
  EXPECT_EQ(headers.strings.at("IDS_STATUS"), IDS_STATUS);
  EXPECT_EQ(headers.icons.at("IDI_OVERLAY_ERROR_MARK"), IDI_OVERLAY_ERROR_MARK);
  EXPECT_EQ(headers.commands.at("ID_HOST_RUN"), ID_HOST_RUN);
}

TEST_F(ExplorerResourcesTest, EveryStringNameHasItsTextAndEveryTextItsName) {
  // Keyed messages without a text of their own: only their "Add %s Error" title is known.
  const std::set<UINT> keysWithoutText = {IDS_FORM_MESSAGE};
  const std::vector<UINT> registered = RegisteredStringIds();
  const std::set<UINT> texts(registered.begin(), registered.end());
  for (const auto& [name, id] : headers.strings) {
    if (keysWithoutText.count(id)) {
      EXPECT_EQ(texts.count(id), 0u) << name;
      continue;
    }
    EXPECT_EQ(texts.count(id), 1u) << name << " has no text";
    EXPECT_FALSE(LoadStringOrEmpty(id).empty()) << name;
  }
  // Ids from 0xE000 up are the framework's (tests register their own there).
  const std::set<UINT> named = Numbers(headers.strings);
  for (UINT id : texts) {
    if (id >= 0xE000) continue;
    EXPECT_EQ(named.count(id), 1u) << "string " << id << " has no name";
  }
}

TEST_F(ExplorerResourcesTest, EveryIconNameLoadsItsOwnNamedPicture) {
  const std::vector<UINT> registered = RegisteredIconIds();
  EXPECT_EQ(std::set<UINT>(registered.begin(), registered.end()), Numbers(headers.icons));
  std::set<HICON> handles;
  std::set<std::string> pictureNames;
  for (const auto& [name, id] : headers.icons) {
    HICON icon = LoadIcon(id);
    ASSERT_NE(icon, nullptr) << name;
    EXPECT_EQ(LoadIcon(id), icon) << name << " loads once";
    EXPECT_TRUE(handles.insert(icon).second) << name << " shares a handle";
    const IconData* data = GetIconData(icon);
    ASSERT_NE(data, nullptr) << name;
    EXPECT_EQ(data->resourceId, id) << name;
    EXPECT_TRUE(pictureNames.insert(data->name).second) << data->name << " names two icons";
    EXPECT_FALSE(DestroyIcon(icon)) << "resource icons stay for the process";
  }
}

TEST_F(ExplorerResourcesTest, MenusAndAcceleratorsCarryOnlyDefinedCommands) {
  const std::set<UINT> commands = Numbers(headers.commands);
  for (const auto& [name, id] : headers.menus) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(id)) << name;
    std::multimap<UINT, std::string> items;
    CollectItems(menu, items);
    EXPECT_FALSE(items.empty()) << name;
    for (const auto& [command, text] : items) {
      EXPECT_EQ(commands.count(command), 1u) << name << ": \"" << text << "\" carries " << command;
      EXPECT_EQ(items.count(command), 1u) << name << ": " << command << " appears twice";
    }
  }
  const AcceleratorTable* table = LoadAccelerators(IDR_EXPLORER_TEMPLATE);
  ASSERT_NE(table, nullptr);
  for (const Accelerator& a : table->entries) {
    EXPECT_EQ(commands.count(a.command), 1u) << AcceleratorTable::KeyText(a) << " runs " << a.command;
  }
}

TEST_F(ExplorerResourcesTest, AcceleratorKeysAreUniqueAndAgreeWithMenuTexts) {
  const AcceleratorTable* table = LoadAccelerators(IDR_EXPLORER_TEMPLATE);
  ASSERT_NE(table, nullptr);
  std::map<std::string, UINT> byKey;
  for (const Accelerator& a : table->entries) {
    EXPECT_TRUE(a.flags & FVIRTKEY);
    EXPECT_TRUE(byKey.emplace(AcceleratorTable::KeyText(a), a.command).second)
        << AcceleratorTable::KeyText(a) << " is bound twice";
  }
  // A key shown after the tab of a menu item runs that item's command.
  for (const auto& [name, id] : headers.menus) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(id));
    std::multimap<UINT, std::string> items;
    CollectItems(menu, items);
    for (const auto& [command, text] : items) {
      std::size_t tab = text.find('\t');
      if (tab == std::string::npos) continue;
      auto key = byKey.find(text.substr(tab + 1));
      ASSERT_NE(key, byKey.end()) << name << ": " << text;
      EXPECT_EQ(key->second, command) << name << ": " << text;
    }
  }
}

TEST_F(ExplorerResourcesTest, FrameCommandsHaveTheirPromptsUnderTheirOwnIds) {
  for (UINT frameCommand : {ID_VIEW_PROPERTIES, ID_EXPLORER_CLOSE, ID_VIEW_LARGE_ICONS, ID_VIEW_SMALL_ICONS, ID_VIEW_LIST,
                            ID_VIEW_DETAILS, ID_VIEW_REFRESH, ID_VIEW_OPTIONS, ID_VIEW_PANES_SIDE_BY_SIDE,
                            ID_VIEW_PANES_TOP_TO_BOTTOM}) {
    EXPECT_NE(LoadStringOrEmpty(frameCommand).find('\n'), std::string::npos) << frameCommand << ": prompt\\ntooltip";
  }
}

TEST_F(ExplorerResourcesTest, EveryDialogNameHasATemplateOfDefinedControlsThatFit) {
  const std::set<UINT> controlNumbers = Numbers(headers.controls);
  std::set<int> used;
  for (const auto& [name, id] : headers.dialogs) {
    const DialogTemplate* t = FindDialogTemplate(id);
    ASSERT_NE(t, nullptr) << name;
    EXPECT_EQ(t->id, id);
    ASSERT_FALSE(t->controls.empty()) << name;
    std::set<int> seen;
    for (const ControlTemplate& c : t->controls) {
      if (c.id != -1) {
        EXPECT_TRUE(seen.insert(c.id).second) << name << ": control " << c.id << " twice";
        if (c.id != IDOK && c.id != IDCANCEL) {
          EXPECT_EQ(controlNumbers.count(static_cast<UINT>(c.id)), 1u) << name << ": control " << c.id << " has no name";
        }
        used.insert(c.id);
      }
      EXPECT_FALSE(c.rect.IsRectEmpty()) << name << ": control " << c.id;
      EXPECT_GE(c.rect.left, 0) << name << ": control " << c.id;
      EXPECT_GE(c.rect.top, 0) << name << ": control " << c.id;
      EXPECT_LE(c.rect.right, t->size.cx) << name << ": control " << c.id;
      EXPECT_LE(c.rect.bottom, t->size.cy) << name << ": control " << c.id;
      EXPECT_TRUE(c.style & WS_CHILD) << name << ": control " << c.id;
    }
  }
  for (const auto& [name, id] : headers.controls) {
    EXPECT_EQ(used.count(static_cast<int>(id)), 1u) << name << " is on no dialog";
  }
}

TEST_F(ExplorerResourcesTest, SettingsKeysHaveSingleBackslashesAndFormatTheVersion) {
  char key[128];
  std::snprintf(key, sizeof key, LoadStringOrEmpty(IDS_SETTINGS_KEY_FORMAT).c_str(), "38.0");
  EXPECT_STREQ(key, "Software\\Velloran\\ZNSystem\\38.0\\Explorer\\Settings");
  std::snprintf(key, sizeof key, LoadStringOrEmpty(IDS_CATALOGUE_KEY_FORMAT).c_str(), "38.0");
  EXPECT_STREQ(key, "Software\\Velloran\\ZNSystem\\38.0\\Explorer Objects");
  std::snprintf(key, sizeof key, LoadStringOrEmpty(IDS_EQUIVALENCE_NAME_FORMAT).c_str(), 7);
  EXPECT_STREQ(key, "ZN_Equivalence_0007");
}

TEST_F(ExplorerResourcesTest, RegisteringAgainChangesNothing) {
  const DialogTemplate* before = FindDialogTemplate(IDD_EXPLORER_OBJECT_NAME);
  const std::vector<MenuResourceItem>* menuBefore = FindMenuResource(IDM_CONTENTS_VIEW);
  HICON icon = LoadIcon(IDI_OVERLAY_ERROR_MARK);
  const std::size_t strings = RegisteredStringIds().size();
  RegisterExplorerResources();
  RegisterExplorerResources();
  EXPECT_EQ(FindDialogTemplate(IDD_EXPLORER_OBJECT_NAME), before);
  EXPECT_EQ(FindDialogTemplate(IDD_EXPLORER_OBJECT_NAME)->controls.data(), before->controls.data())
      << "running dialogs keep their controls";
  EXPECT_EQ(FindMenuResource(IDM_CONTENTS_VIEW), menuBefore);
  EXPECT_EQ(LoadIcon(IDI_OVERLAY_ERROR_MARK), icon);
  EXPECT_EQ(RegisteredStringIds().size(), strings);
}

}  // namespace
