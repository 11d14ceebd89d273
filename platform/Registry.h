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
constexpr LSTATUS ERROR_INVALID_DATA = 13;   // a value of another type than asked for
constexpr LSTATUS ERROR_WRITE_FAULT = 29;    // the user file could not be written (nothing changed)
constexpr LSTATUS ERROR_INVALID_PARAMETER = 87;
constexpr LSTATUS ERROR_MORE_DATA = 234;
constexpr LSTATUS ERROR_NO_MORE_ITEMS = 259;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_DWORD = 4;

constexpr DWORD KEY_QUERY_VALUE = 0x0001;
constexpr DWORD KEY_SET_VALUE = 0x0002;
constexpr DWORD KEY_CREATE_SUB_KEY = 0x0004;
constexpr DWORD KEY_READ = 0x20019;
constexpr DWORD KEY_WRITE = 0x20006;
constexpr DWORD KEY_ALL_ACCESS = 0xF003F;

// Win32-shaped operations. Keys opened without KEY_SET_VALUE (KEY_READ) refuse
// changes with ERROR_ACCESS_DENIED, and so does everything under the read-only
// local-machine root. A closed or unknown handle gives ERROR_INVALID_HANDLE.
// Key paths are names separated by backslashes; key names are matched without
// regard to case and keep the case they were created with.
LSTATUS RegOpenKeyEx(HKEY parent, const std::string& subKey, DWORD options, DWORD access, HKEY* result);
// Opens the key, creating it and any missing keys above it; the handle may write.
LSTATUS RegCreateKeyEx(HKEY parent, const std::string& subKey, HKEY* result);
LSTATUS RegCloseKey(HKEY key);
// type and data may be null. For REG_SZ the data holds the text and its terminator;
// size is in/out (bytes). ERROR_MORE_DATA when the buffer is too small (size then tells the need).
LSTATUS RegQueryValueEx(HKEY key, const std::string& name, DWORD* type, BYTE* data, DWORD* size);
// REG_DWORD takes 4 bytes; REG_SZ takes the text up to its terminator (or size bytes).
LSTATUS RegSetValueEx(HKEY key, const std::string& name, DWORD type, const BYTE* data, DWORD size);
LSTATUS RegDeleteValue(HKEY key, const std::string& name);
// Values in the key's order (the order they were first written). nameSize is in/out, in characters:
// in, the buffer including room for the terminator; out, the name's length without it (with it, on
// ERROR_MORE_DATA when the name does not fit). type and data as RegQueryValueEx. ERROR_NO_MORE_ITEMS past the end.
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

  // value is left alone unless the answer is ERROR_SUCCESS (or ERROR_MORE_DATA below).
  // A value of the other type gives ERROR_INVALID_DATA.
  LSTATUS QueryDWORDValue(const std::string& name, DWORD& value) const;
  // maxBytes (0: no limit) is the size of a fixed buffer including the terminator: a longer text
  // comes back cut to maxBytes - 1 bytes (at a character boundary) with ERROR_MORE_DATA.
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
// Returns what was skipped as unreadable (empty when the text was clean).
std::string LoadLocalMachine(const std::string& text);
// The whole current-user store in registry-export form (the command line's `registry` action).
std::string ExportUserStore();
// What the last load of the user file skipped as damaged (empty when it was clean).
std::string LastLoadProblem();
}  // namespace Registry

// The profile: "section" entries read from the current-user root, key "Profile\<section>".
// An entry may be a string or a DWORD. GetProfileInt reads a string's leading
// decimal (or 0x hexadecimal) number; a string without one gives the default.
UINT GetProfileInt(const std::string& section, const std::string& entry, int defaultValue);
std::string GetProfileString(const std::string& section, const std::string& entry, const std::string& defaultValue);
bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value);
