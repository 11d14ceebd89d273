// The registry through its handles: keys, typed values, buffer rules, access
// rights, stale handles, the local-machine catalogue and the profile.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/Registry.h"
#include "tests/support/ScopedConfigDir.h"

namespace {

const char kSettings[] = "Software\\Velloran\\ZNSystem\\38.0\\Explorer\\Settings";

std::string EnumName(HKEY key, DWORD index, DWORD bufferChars, LSTATUS* status) {
  std::vector<char> buffer(bufferChars);
  DWORD size = bufferChars;
  *status = RegEnumValue(key, index, buffer.data(), &size, nullptr, nullptr, nullptr);
  return *status == ERROR_SUCCESS ? std::string(buffer.data(), size) : std::string();
}

std::vector<std::string> ValueNames(const CRegKey& key) {
  std::vector<std::string> names;
  std::string name;
  for (DWORD i = 0; key.EnumValueName(i, name) == ERROR_SUCCESS; ++i) names.push_back(name);
  return names;
}

}  // namespace

TEST(Registry, EnumerationFollowsFirstWrittenOrderAndNamesIgnoreCase) {
  ScopedConfigDir config;
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, "Software\\Test\\Column Widths"), ERROR_SUCCESS);
  for (const char* name : {"2", "0", "1"}) key.SetDWORDValue(name, 60);
  key.SetDWORDValue("0", 120);  // rewriting keeps the place
  key.SetStringValue("Mixed", "a");
  key.SetStringValue("MIXED", "b");  // the same value, first spelling kept
  EXPECT_EQ(ValueNames(key), (std::vector<std::string>{"2", "0", "1", "Mixed"}));

  Registry::Reload();
  CRegKey again;
  ASSERT_EQ(again.Open(HKEY_CURRENT_USER, "SOFTWARE\\test\\column widths"), ERROR_SUCCESS);
  EXPECT_EQ(ValueNames(again), (std::vector<std::string>{"2", "0", "1", "Mixed"}));
  DWORD width = 0;
  std::string mixed;
  EXPECT_EQ(again.QueryDWORDValue("0", width), ERROR_SUCCESS);
  EXPECT_EQ(width, 120u);
  EXPECT_EQ(again.QueryStringValue("mixed", mixed), ERROR_SUCCESS);
  EXPECT_EQ(mixed, "b");
}

TEST(Registry, OpeningMissingKeysFailsAndCreatingMakesEveryLevel) {
  ScopedConfigDir config;
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, kSettings, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key, nullptr);
  ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, std::string(kSettings) + "\\Pane Orientation", &key), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);

  Registry::Reload();
  // An empty key survives the file: its existence alone carries meaning.
  for (const std::string& path :
       std::vector<std::string>{"Software", "Software\\Velloran\\ZNSystem", std::string(kSettings) + "\\Pane Orientation"}) {
    CRegKey level;
    EXPECT_EQ(level.Open(HKEY_CURRENT_USER, path), ERROR_SUCCESS) << path;
  }
  // Opening relative to an open key.
  CRegKey parent, child;
  ASSERT_EQ(parent.Open(HKEY_CURRENT_USER, "Software\\Velloran"), ERROR_SUCCESS);
  EXPECT_EQ(child.Open(parent.Handle(), "ZNSystem\\38.0"), ERROR_SUCCESS);
  EXPECT_EQ(child.Open(parent.Handle(), "Missing"), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(child.IsOpen());
  // Names that cannot be keys are refused, not stored.
  EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\bad\nname", &key), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\" + std::string(256, 'k'), &key), ERROR_INVALID_PARAMETER);
}

TEST(Registry, ReadOnlyKeysAndTheLocalMachineRootRefuseChanges) {
  ScopedConfigDir config;
  CRegKey writer;
  ASSERT_EQ(writer.Create(HKEY_CURRENT_USER, kSettings), ERROR_SUCCESS);
  writer.SetDWORDValue("ListViewType", 1);

  CRegKey reader;
  ASSERT_EQ(reader.Open(HKEY_CURRENT_USER, kSettings, KEY_READ), ERROR_SUCCESS);
  EXPECT_EQ(reader.SetDWORDValue("ListViewType", 2), ERROR_ACCESS_DENIED);
  EXPECT_EQ(reader.SetStringValue("SortColumn", "x"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(reader.DeleteValue("ListViewType"), ERROR_ACCESS_DENIED);
  DWORD value = 0;
  EXPECT_EQ(reader.QueryDWORDValue("ListViewType", value), ERROR_SUCCESS);
  EXPECT_EQ(value, 1u);

  Registry::LoadLocalMachine(
      "Windows Registry Editor Version 5.00\n\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Velloran\\ZNSystem\\38.0\\Explorer Objects]\n"
      "\"Flowsheet\"=\"{A93D72D1-75CD-11D0-8D84-00C0DF469D39}\"\n");
  HKEY key = nullptr;
  EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "Software\\New", &key), ERROR_ACCESS_DENIED);
  CRegKey catalogue;
  ASSERT_EQ(catalogue.Open(HKEY_LOCAL_MACHINE, "Software\\Velloran\\ZNSystem\\38.0\\Explorer Objects"), ERROR_SUCCESS);
  std::string classId;
  EXPECT_EQ(catalogue.QueryStringValue("Flowsheet", classId), ERROR_SUCCESS);
  EXPECT_EQ(classId, "{A93D72D1-75CD-11D0-8D84-00C0DF469D39}");
  EXPECT_EQ(catalogue.SetStringValue("Flowsheet", "x"), ERROR_ACCESS_DENIED);
  // The local-machine data never reaches the user's file.
  EXPECT_EQ(config.ReadRegistryFile().find("Explorer Objects"), std::string::npos);
  Registry::LoadLocalMachine("");
}

TEST(Registry, ClosedAndMadeUpHandlesFailSafely) {
  ScopedConfigDir config;
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, kSettings, &key), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);

  DWORD data = 7, size = sizeof data, type = 0;
  char name[80];
  DWORD nameSize = sizeof name;
  HKEY child = nullptr;
  for (HKEY bad : {key, static_cast<HKEY>(nullptr), reinterpret_cast<HKEY>(std::uintptr_t{0xDEADBEEF})}) {
    EXPECT_EQ(RegQueryValueEx(bad, "x", &type, reinterpret_cast<BYTE*>(&data), &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegSetValueEx(bad, "x", REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegDeleteValue(bad, "x"), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegEnumValue(bad, 0, name, &nameSize, nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegOpenKeyEx(bad, "", 0, KEY_READ, &child), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCreateKeyEx(bad, "y", &child), ERROR_INVALID_HANDLE);
  }
  // A CRegKey that never opened behaves the same.
  CRegKey unopened;
  EXPECT_EQ(unopened.SetDWORDValue("x", 1), ERROR_INVALID_HANDLE);
  EXPECT_EQ(unopened.QueryDWORDValue("x", data), ERROR_INVALID_HANDLE);
  EXPECT_EQ(data, 7u);
}

TEST(Registry, TypedQueriesRefuseTheOtherTypeAndKeepTheDefault) {
  ScopedConfigDir config;
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kSettings), ERROR_SUCCESS);
  key.SetStringValue("SortColumn", "Status");
  key.SetDWORDValue("ListViewType", 2);

  std::string text = "default";
  EXPECT_EQ(key.QueryStringValue("ListViewType", text), ERROR_INVALID_DATA);
  EXPECT_EQ(text, "default");
  DWORD number = 99;
  EXPECT_EQ(key.QueryDWORDValue("SortColumn", number), ERROR_INVALID_DATA);
  EXPECT_EQ(number, 99u);
}

TEST(Registry, StringQueriesWithALimitCutLikeAFixedBuffer) {
  ScopedConfigDir config;
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kSettings), ERROR_SUCCESS);
  key.SetStringValue("Fits", std::string(254, 'a'));
  key.SetStringValue("Long", std::string(300, 'b'));
  key.SetStringValue("Wide", std::string(254, 'c') + "\xC3\xA9");  // an e-acute straddles byte 255

  std::string value;
  EXPECT_EQ(key.QueryStringValue("Fits", value, 255), ERROR_SUCCESS);
  EXPECT_EQ(value.size(), 254u);
  EXPECT_EQ(key.QueryStringValue("Long", value, 255), ERROR_MORE_DATA);
  EXPECT_EQ(value, std::string(254, 'b'));
  EXPECT_EQ(key.QueryStringValue("Wide", value, 256), ERROR_MORE_DATA);
  EXPECT_EQ(value, std::string(254, 'c'));  // never half a character
  EXPECT_EQ(key.QueryStringValue("Long", value), ERROR_SUCCESS);
  EXPECT_EQ(value.size(), 300u);
}

TEST(Registry, EnumerationWithAnEightyCharacterNameBuffer) {
  ScopedConfigDir config;
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, "Software\\Test\\Exclusion List"), ERROR_SUCCESS);
  std::string guid = "{A93D72D1-75CD-11D0-8D84-00C0DF469D39}";
  key.SetDWORDValue(guid, 0);
  key.SetDWORDValue(std::string(79, 'n'), 0);
  key.SetDWORDValue(std::string(80, 'm'), 0);

  LSTATUS status = 0;
  EXPECT_EQ(EnumName(key.Handle(), 0, 80, &status), guid);
  EXPECT_EQ(status, ERROR_SUCCESS);
  EXPECT_EQ(EnumName(key.Handle(), 1, 80, &status), std::string(79, 'n'));  // exactly fills it with the terminator
  EXPECT_EQ(status, ERROR_SUCCESS);
  std::vector<char> buffer(80, 'x');
  DWORD size = 80;
  EXPECT_EQ(RegEnumValue(key.Handle(), 2, buffer.data(), &size, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
  EXPECT_EQ(size, 81u);
  EXPECT_EQ(buffer[0], 'x');  // nothing half-written
  size = 80;
  EXPECT_EQ(RegEnumValue(key.Handle(), 3, buffer.data(), &size, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
}

TEST(Registry, AnUnwritableLocationReportsFailureAndChangesNothing) {
  ScopedConfigDir config;
  // A regular file where the directory should be: no process, root or not, can write below it.
  std::string blocker = config.Path() + "/blocker";
  std::ofstream(blocker) << "not a directory";
  ::setenv("VORTAN_CONFIG_DIR", (blocker + "/vortan").c_str(), 1);

  HKEY key = nullptr;
  EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, kSettings, &key), ERROR_WRITE_FAULT);
  EXPECT_EQ(key, nullptr);
  EXPECT_EQ(RegSetValueEx(HKEY_CURRENT_USER, "x", REG_SZ, reinterpret_cast<const BYTE*>("1"), 2), ERROR_WRITE_FAULT);
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueEx(HKEY_CURRENT_USER, "x", nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(WriteProfileString("windows", "DragScrollDelay", "10"));
  EXPECT_EQ(GetProfileInt("windows", "DragScrollDelay", 50), 50u);
}

TEST(Registry, TheFileIsFoundThroughTheEnvironment) {
  ScopedConfigDir config;
  EXPECT_EQ(Registry::UserStorePath(), config.Path() + "/registry.reg");
  ::unsetenv("VORTAN_CONFIG_DIR");
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string savedXdg = xdg ? xdg : "";
  ::setenv("XDG_CONFIG_HOME", "/xdg/config", 1);
  EXPECT_EQ(Registry::UserStorePath(), "/xdg/config/vortan/registry.reg");
  ::unsetenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  if (home && *home) {
    EXPECT_EQ(Registry::UserStorePath(), std::string(home) + "/.config/vortan/registry.reg");
  }
  if (xdg) ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
  ::setenv("VORTAN_CONFIG_DIR", config.Path().c_str(), 1);
}

TEST(Registry, OpeningAKeyPicksUpChangesMadeByAnotherWriter) {
  ScopedConfigDir config;
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kSettings), ERROR_SUCCESS);
  key.SetDWORDValue("ListViewType", 1);
  key.Close();

  // Another process replaces the file (a new file, as its writes do).
  std::string replacement = config.RegistryFile() + ".other";
  std::ofstream(replacement) << "Windows Registry Editor Version 5.00\n\n"
                                "[HKEY_CURRENT_USER\\Software\\Velloran\\ZNSystem\\38.0\\Explorer\\Settings]\n"
                                "\"ListViewType\"=dword:00000002\n";
  std::filesystem::rename(replacement, config.RegistryFile());

  ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kSettings), ERROR_SUCCESS);
  DWORD value = 0;
  EXPECT_EQ(key.QueryDWORDValue("ListViewType", value), ERROR_SUCCESS);
  EXPECT_EQ(value, 2u);
}

TEST(Profile, EntriesComeFromTheUserFileWithDefaults) {
  ScopedConfigDir config;
  EXPECT_EQ(GetProfileInt("windows", "DragScrollDelay", 50), 50u);

  config.WriteRegistryFile(
      "Windows Registry Editor Version 5.00\n\n"
      "[HKEY_CURRENT_USER\\Profile\\windows]\n"
      "\"DragScrollDelay\"=\"120\"\n"
      "\"AsNumber\"=dword:00000014\n"
      "\"Hex\"=\" 0x1F\"\n"
      "\"Words\"=\"soon\"\n");
  EXPECT_EQ(GetProfileInt("windows", "DragScrollDelay", 50), 120u);
  EXPECT_EQ(GetProfileInt("WINDOWS", "dragscrolldelay", 50), 120u);
  EXPECT_EQ(GetProfileInt("windows", "AsNumber", 50), 20u);
  EXPECT_EQ(GetProfileInt("windows", "Hex", 50), 31u);
  EXPECT_EQ(GetProfileInt("windows", "Words", 50), 50u);  // no number: the default stands

  EXPECT_TRUE(WriteProfileString("windows", "DragScrollDelay", "75"));
  Registry::Reload();
  EXPECT_EQ(GetProfileInt("windows", "DragScrollDelay", 50), 75u);
}
