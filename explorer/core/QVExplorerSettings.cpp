// Registry keys of the explorer's settings: the shared root and one key per node class.
#include <cstdio>

#include "explorer/core/QVExplorer.h"
#include "explorer/resources/StringIds.h"
#include "platform/Resources.h"

namespace {

std::string VersionText() {
  char version[32];
  std::snprintf(version, sizeof version, "%d.%d", kSettingsMajorVersion, kSettingsMinorVersion);
  return version;
}

// The string with its "%s" replaced by text; empty when the string has no "%s".
std::string FormatWith(const std::string& format, const std::string& text) {
  std::string::size_type at = format.find("%s");
  if (at == std::string::npos) return {};
  return format.substr(0, at) + text + format.substr(at + 2);
}

// The key of string id with the version filled in; empty when the string is missing.
std::string VersionedKey(UINT formatId) {
  std::string format;
  if (!LoadString(formatId, format)) return {};
  return FormatWith(format, VersionText());
}

}  // namespace

std::string CQVExplorer::GetSettingsRootKeyName() { return VersionedKey(IDS_SETTINGS_KEY_FORMAT); }

std::string CQVExplorer::GetExplorerObjectsKeyName() { return VersionedKey(IDS_CATALOGUE_KEY_FORMAT); }

int CQVExplorer::GetSettingsRegistryKeyName(REFGUID classId, std::string& key) {
  std::string root = GetSettingsRootKeyName();
  if (root.empty()) return 0;
  key = root + "\\" + classId.ToString();
  return 1;
}
