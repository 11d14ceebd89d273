// The registry and the profile. Keys hold DWORD and string values under two
// roots. The current-user root lives in one text file in registry-export form
// ($VORTAN_CONFIG_DIR, else $XDG_CONFIG_HOME/vortan, else ~/.config/vortan;
// file "registry.reg"), cached in memory; every change is merged into the file
// under a lock and written atomically (temporary file, flush, rename), so a
// crash never leaves a torn file and two processes keep each other's changes.
// The local-machine root is read-only data supplied by the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Types.h"

struct HKEY__;
using HKEY = HKEY__*;
// The two roots (predefined handles).
extern const HKEY HKEY_CURRENT_USER;
extern const HKEY HKEY_LOCAL_MACHINE;

using LSTATUS = LONG;
constexpr LSTATUS ERROR_SUCCESS = 0;
constexpr LSTATUS ERROR_FILE_NOT_FOUND = 2;
constexpr LSTATUS ERROR_ACCESS_DENIED = 5;
constexpr LSTATUS ERROR_INVALID_HANDLE = 6;
constexpr LSTATUS ERROR_INVALID_PARAMETER = 87;
constexpr LSTATUS ERROR_MORE_DATA = 234;
constexpr LSTATUS ERROR_NO_MORE_ITEMS = 259;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_DWORD = 4;

constexpr DWORD KEY_READ = 0x20019;
constexpr DWORD KEY_WRITE = 0x20006;
constexpr DWORD KEY_ALL_ACCESS = 0xF003F;

// Win32-shaped operations. Keys opened with KEY_READ refuse changes.
LSTATUS RegOpenKeyEx(HKEY parent, const std::string& subKey, DWORD options, DWORD access, HKEY* result);
LSTATUS RegCreateKeyEx(HKEY parent, const std::string& subKey, HKEY* result);
LSTATUS RegCloseKey(HKEY key);
// type and data may be null. For REG_SZ the data holds the text and its terminator;
// size is in/out (bytes). ERROR_MORE_DATA when the buffer is too small (size then tells the need).
LSTATUS RegQueryValueEx(HKEY key, const std::string& name, DWORD* type, BYTE* data, DWORD* size);
LSTATUS RegSetValueEx(HKEY key, const std::string& name, DWORD type, const BYTE* data, DWORD size);
LSTATUS RegDeleteValue(HKEY key, const std::string& name);
// Values in the key's order (the order they were first written). nameSize is in/out, in characters
// including the terminator; ERROR_MORE_DATA when the name does not fit; ERROR_NO_MORE_ITEMS past the end.
LSTATUS RegEnumValue(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD* type, BYTE* data, DWORD* dataSize);
LSTATUS RegDeleteKey(HKEY parent, const std::string& subKey);  // the key and everything below it

// A key held for a scope, with typed helpers.
class CRegKey {
 public:
  CRegKey() = default;
  ~CRegKey() { Close(); }
  CRegKey(const CRegKey&) = delete;
  CRegKey& operator=(const CRegKey&) = delete;

  LSTATUS Open(HKEY parent, const std::string& subKey, DWORD access = KEY_READ);
  LSTATUS Create(HKEY parent, const std::string& subKey);
  void Close();
  bool IsOpen() const { return m_key != nullptr; }
  HKEY Handle() const { return m_key; }

  LSTATUS QueryDWORDValue(const std::string& name, DWORD& value) const;
  LSTATUS QueryStringValue(const std::string& name, std::string& value, std::size_t maxBytes = 0) const;
  LSTATUS SetDWORDValue(const std::string& name, DWORD value);
  LSTATUS SetStringValue(const std::string& name, const std::string& value);
  LSTATUS DeleteValue(const std::string& name);
  // Name of the value at index; ERROR_NO_MORE_ITEMS past the end.
  LSTATUS EnumValueName(DWORD index, std::string& name) const;

 private:
  HKEY m_key = nullptr;
};

// The store behind the handles.
namespace Registry {
// The file of the current-user root.
std::string UserStorePath();
// Reloads the current-user root from its file (tests, and when the configuration directory changes).
void Reload();
// Replaces the local-machine root with registry-export text (the program's shipped data).
void LoadLocalMachine(const std::string& text);
// The whole current-user store in registry-export form (the command line's `registry` action).
std::string ExportUserStore();
// What the last load of the user file skipped as damaged (empty when it was clean).
std::string LastLoadProblem();
}  // namespace Registry

// The profile: "section" entries read from the current-user root, key "Profile\<section>".
UINT GetProfileInt(const std::string& section, const std::string& entry, int defaultValue);
std::string GetProfileString(const std::string& section, const std::string& entry, const std::string& defaultValue);
bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value);
