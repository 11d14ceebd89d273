// Registry handles and the Win32-shaped operations on them. A handle names a
// root and a key path through a table (never a pointer into the tree), so a
// closed or made-up handle is refused and a key removed meanwhile reads as empty.
#include "platform/Registry.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "platform/RegistryStore.h"
#include "platform/RegistryText.h"

const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(std::uintptr_t{0x80000001});
const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(std::uintptr_t{0x80000002});

namespace {

enum class Root { CurrentUser, LocalMachine };

struct OpenKey {
  Root root = Root::CurrentUser;
  std::vector<std::string> path;
  bool writable = false;
};

struct HandleTable {
  std::unordered_map<std::uintptr_t, OpenKey> keys;
  std::uintptr_t next = 0x1000;  // never reused
};

HandleTable& Handles() {
  static HandleTable table;
  return table;
}

RegistryKey& LocalMachine() {
  static RegistryKey root;
  return root;
}

std::uintptr_t HandleValue(HKEY key) { return reinterpret_cast<std::uintptr_t>(key); }

const OpenKey* Resolve(HKEY key) {
  static const OpenKey currentUser{Root::CurrentUser, {}, true};
  static const OpenKey localMachine{Root::LocalMachine, {}, false};
  if (key == HKEY_CURRENT_USER) return &currentUser;
  if (key == HKEY_LOCAL_MACHINE) return &localMachine;
  auto& keys = Handles().keys;
  auto it = keys.find(HandleValue(key));
  return it == keys.end() ? nullptr : &it->second;
}

HKEY NewHandle(OpenKey key) {
  HandleTable& table = Handles();
  std::uintptr_t value = table.next++;
  table.keys.emplace(value, std::move(key));
  return reinterpret_cast<HKEY>(value);
}

const RegistryKey& RootOf(Root root) {
  return root == Root::CurrentUser ? UserRegistryStore::Instance().Root() : LocalMachine();
}

// The key of an open handle as the cache has it now; null when it has been removed.
const RegistryKey* KeyOf(const OpenKey& key) { return RootOf(key.root).Find(key.path); }

// parent's path followed by the names in subKey; false when a name is not a valid key name.
bool JoinPath(const OpenKey& parent, const std::string& subKey, std::vector<std::string>& path) {
  path = parent.path;
  std::size_t start = 0;
  while (start <= subKey.size()) {
    std::size_t end = std::min(subKey.find('\\', start), subKey.size());
    std::string name = subKey.substr(start, end - start);
    if (!name.empty()) {  // doubled, leading and trailing separators are tolerated
      if (!IsValidRegistryKeyName(name)) return false;
      path.push_back(std::move(name));
    }
    start = end + 1;
  }
  return path.size() <= kMaxKeyDepth;
}

// Copies a value's data by the Win32 buffer rules.
LSTATUS CopyData(const RegistryValue& value, DWORD* type, BYTE* data, DWORD* size) {
  if (type) *type = value.type;
  DWORD needed = value.type == REG_DWORD ? sizeof(DWORD) : static_cast<DWORD>(value.text.size() + 1);
  if (!data) {
    if (size) *size = needed;
    return ERROR_SUCCESS;
  }
  if (!size) return ERROR_INVALID_PARAMETER;
  DWORD room = *size;
  *size = needed;
  if (room < needed) return ERROR_MORE_DATA;
  if (value.type == REG_DWORD) {
    std::memcpy(data, &value.number, sizeof(DWORD));
  } else {
    std::memcpy(data, value.text.c_str(), needed);
  }
  return ERROR_SUCCESS;
}

}  // namespace

LSTATUS RegOpenKeyEx(HKEY parent, const std::string& subKey, DWORD, DWORD access, HKEY* result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  const OpenKey* from = Resolve(parent);
  if (!from) return ERROR_INVALID_HANDLE;
  OpenKey key{from->root, {}, (access & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY)) != 0};
  if (!JoinPath(*from, subKey, key.path)) return ERROR_INVALID_PARAMETER;
  if (key.root == Root::LocalMachine && key.writable) return ERROR_ACCESS_DENIED;
  if (key.root == Root::CurrentUser) UserRegistryStore::Instance().Refresh();
  if (!KeyOf(key)) return ERROR_FILE_NOT_FOUND;
  *result = NewHandle(std::move(key));
  return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyEx(HKEY parent, const std::string& subKey, HKEY* result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  const OpenKey* from = Resolve(parent);
  if (!from) return ERROR_INVALID_HANDLE;
  OpenKey key{from->root, {}, true};
  if (!JoinPath(*from, subKey, key.path)) return ERROR_INVALID_PARAMETER;
  if (key.root == Root::LocalMachine) return ERROR_ACCESS_DENIED;
  UserRegistryStore& store = UserRegistryStore::Instance();
  store.Refresh();
  if (!KeyOf(key)) {
    if (!from->writable) return ERROR_ACCESS_DENIED;
    LSTATUS status = store.Change([&](RegistryKey& root) {
      root.Create(key.path);
      return ERROR_SUCCESS;
    });
    if (status != ERROR_SUCCESS) return status;
  }
  *result = NewHandle(std::move(key));
  return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY key) {
  if (key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE) return ERROR_SUCCESS;
  return Handles().keys.erase(HandleValue(key)) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LSTATUS RegQueryValueEx(HKEY key, const std::string& name, DWORD* type, BYTE* data, DWORD* size) {
  const OpenKey* open = Resolve(key);
  if (!open) return ERROR_INVALID_HANDLE;
  const RegistryKey* found = KeyOf(*open);
  const RegistryValue* value = found ? found->FindValue(name) : nullptr;
  if (!value) return ERROR_FILE_NOT_FOUND;
  return CopyData(*value, type, data, size);
}

LSTATUS RegSetValueEx(HKEY key, const std::string& name, DWORD type, const BYTE* data, DWORD size) {
  const OpenKey* open = Resolve(key);
  if (!open) return ERROR_INVALID_HANDLE;
  if (!open->writable) return ERROR_ACCESS_DENIED;
  if (!IsValidRegistryValueName(name) || (!data && size != 0)) return ERROR_INVALID_PARAMETER;
  RegistryValue value;
  value.name = name;
  value.type = type;
  if (type == REG_DWORD) {
    if (size != sizeof(DWORD)) return ERROR_INVALID_PARAMETER;
    std::memcpy(&value.number, data, sizeof(DWORD));
  } else if (type == REG_SZ) {
    if (data) {
      const char* text = reinterpret_cast<const char*>(data);
      value.text.assign(text, std::find(text, text + size, '\0'));
    }
  } else {
    return ERROR_INVALID_PARAMETER;  // the store holds DWORDs and texts only
  }
  std::vector<std::string> path = open->path;  // the handle may not outlive the change
  return UserRegistryStore::Instance().Change([&](RegistryKey& root) {
    root.Create(path).SetValue(std::move(value));
    return ERROR_SUCCESS;
  });
}

LSTATUS RegDeleteValue(HKEY key, const std::string& name) {
  const OpenKey* open = Resolve(key);
  if (!open) return ERROR_INVALID_HANDLE;
  if (!open->writable) return ERROR_ACCESS_DENIED;
  std::vector<std::string> path = open->path;
  return UserRegistryStore::Instance().Change([&](RegistryKey& root) {
    RegistryKey* found = root.Find(path);
    return found && found->RemoveValue(name) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
  });
}

LSTATUS RegEnumValue(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD* type, BYTE* data, DWORD* dataSize) {
  const OpenKey* open = Resolve(key);
  if (!open) return ERROR_INVALID_HANDLE;
  if (!name || !nameSize) return ERROR_INVALID_PARAMETER;
  const RegistryKey* found = KeyOf(*open);
  if (!found || index >= found->Values().size()) return ERROR_NO_MORE_ITEMS;
  const RegistryValue& value = found->Values()[index];
  DWORD needed = static_cast<DWORD>(value.name.size() + 1);
  if (*nameSize < needed) {
    *nameSize = needed;
    return ERROR_MORE_DATA;
  }
  std::memcpy(name, value.name.c_str(), needed);
  *nameSize = needed - 1;
  return CopyData(value, type, data, dataSize);
}

LSTATUS RegDeleteKey(HKEY parent, const std::string& subKey) {
  const OpenKey* from = Resolve(parent);
  if (!from) return ERROR_INVALID_HANDLE;
  if (!from->writable) return ERROR_ACCESS_DENIED;
  std::vector<std::string> path;
  if (!JoinPath(*from, subKey, path) || path.size() == from->path.size()) return ERROR_INVALID_PARAMETER;
  return UserRegistryStore::Instance().Change(
      [&](RegistryKey& root) { return root.Remove(path) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND; });
}

namespace Registry {

void Reload() { UserRegistryStore::Instance().Reload(); }

std::string LoadLocalMachine(const std::string& text) {
  RegistryParseReport report;
  LocalMachine() = ParseRegistryText(text, "HKEY_LOCAL_MACHINE", &report);
  return report.Describe();
}

std::string ExportUserStore() {
  UserRegistryStore& store = UserRegistryStore::Instance();
  store.Refresh();
  return FormatRegistryText(store.Root(), "HKEY_CURRENT_USER");
}

std::string LastLoadProblem() {
  UserRegistryStore& store = UserRegistryStore::Instance();
  return store.LastLoadProblem();
}

}  // namespace Registry
