// Points the configuration directory (VORTAN_CONFIG_DIR) at a fresh temporary
// directory for one test and reloads the registry from it; afterwards the
// directory is removed and the previous setting restored.
#pragma once

#include <optional>
#include <string>

class ScopedConfigDir {
 public:
  ScopedConfigDir();
  ~ScopedConfigDir();
  ScopedConfigDir(const ScopedConfigDir&) = delete;
  ScopedConfigDir& operator=(const ScopedConfigDir&) = delete;

  const std::string& Path() const { return m_path; }
  std::string RegistryFile() const { return m_path + "/registry.reg"; }
  // Writes text as the registry file and reloads the store from it.
  void WriteRegistryFile(const std::string& text) const;
  std::string ReadRegistryFile() const;

 private:
  std::string m_path;
  std::optional<std::string> m_previous;
};
