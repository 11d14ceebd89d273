#include "platform/Resources.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Hashed: every row of a contents pane may load a text.
std::unordered_map<UINT, std::string>& Strings() {
  static std::unordered_map<UINT, std::string> strings;
  return strings;
}

std::map<UINT, std::vector<MenuResourceItem>>& Menus() {
  static std::map<UINT, std::vector<MenuResourceItem>> menus;
  return menus;
}

std::map<UINT, AcceleratorTable>& Accelerators() {
  static std::map<UINT, AcceleratorTable> tables;
  return tables;
}

struct IconTable {
  std::unordered_map<std::uintptr_t, IconData> icons;  // by handle
  std::map<UINT, std::uintptr_t> byResource;
  std::map<UINT, std::string> resourceNames;
  std::uintptr_t next = 0x1000;
};

IconTable& Icons() {
  static IconTable table;
  return table;
}

}  // namespace

bool LoadString(UINT id, std::string& text) {
  auto it = Strings().find(id);
  if (it == Strings().end()) return false;
  text = it->second;
  return true;
}

std::string LoadStringOrEmpty(UINT id) {
  std::string text;
  LoadString(id, text);
  return text;
}

void RegisterStrings(const std::map<UINT, std::string>& strings) {
  for (const auto& [id, text] : strings) Strings()[id] = text;
}

std::vector<UINT> RegisteredStringIds() {
  std::vector<UINT> ids;
  for (const auto& entry : Strings()) ids.push_back(entry.first);
  std::sort(ids.begin(), ids.end());
  return ids;
}

void RegisterMenu(UINT id, std::vector<MenuResourceItem> items) { Menus()[id] = std::move(items); }

const std::vector<MenuResourceItem>* FindMenuResource(UINT id) {
  auto it = Menus().find(id);
  return it == Menus().end() ? nullptr : &it->second;
}

void RegisterAccelerators(AcceleratorTable table) {
  UINT id = table.id;
  Accelerators()[id] = std::move(table);
}

const AcceleratorTable* LoadAccelerators(UINT id) {
  auto it = Accelerators().find(id);
  return it == Accelerators().end() ? nullptr : &it->second;
}

void RegisterIconResource(UINT id, const std::string& name) { Icons().resourceNames[id] = name; }

HICON LoadIcon(UINT id) {
  auto& table = Icons();
  auto found = table.byResource.find(id);
  if (found != table.byResource.end()) return reinterpret_cast<HICON>(found->second);
  auto named = table.resourceNames.find(id);
  if (named == table.resourceNames.end()) return nullptr;
  std::uintptr_t handle = table.next++;
  IconData data;
  data.resourceId = id;
  data.name = named->second;
  table.icons.emplace(handle, std::move(data));
  table.byResource.emplace(id, handle);
  return reinterpret_cast<HICON>(handle);
}

HICON CreateIconFromImages(const std::string& name, IconImage large, IconImage small) {
  auto& table = Icons();
  std::uintptr_t handle = table.next++;
  IconData data;
  data.name = name;
  data.large = std::move(large);
  data.small = std::move(small);
  table.icons.emplace(handle, std::move(data));
  return reinterpret_cast<HICON>(handle);
}

const IconData* GetIconData(HICON icon) {
  auto& icons = Icons().icons;
  auto it = icons.find(reinterpret_cast<std::uintptr_t>(icon));
  return it == icons.end() ? nullptr : &it->second;
}

bool DestroyIcon(HICON icon) {
  auto& table = Icons();
  auto it = table.icons.find(reinterpret_cast<std::uintptr_t>(icon));
  // Resource icons are shared for the life of the process.
  if (it == table.icons.end() || it->second.resourceId != 0) return false;
  table.icons.erase(it);
  return true;
}

std::vector<UINT> RegisteredIconIds() {
  std::vector<UINT> ids;
  for (const auto& entry : Icons().resourceNames) ids.push_back(entry.first);
  return ids;
}
