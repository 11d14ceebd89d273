#include "tests/support/ScopedConfigDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/Registry.h"

ScopedConfigDir::ScopedConfigDir() {
  if (const char* previous = std::getenv("VORTAN_CONFIG_DIR")) m_previous = previous;
  std::string pattern = (std::filesystem::temp_directory_path() / "vortan-config-XXXXXX").string();
  // Never fall back to the user's real configuration.
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary configuration directory");
  m_path = pattern;
  ::setenv("VORTAN_CONFIG_DIR", m_path.c_str(), 1);
  Registry::Reload();
}

ScopedConfigDir::~ScopedConfigDir() {
  std::error_code ignored;
  if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
  if (m_previous) {
    ::setenv("VORTAN_CONFIG_DIR", m_previous->c_str(), 1);
  } else {
    ::unsetenv("VORTAN_CONFIG_DIR");
  }
  Registry::Reload();
}

void ScopedConfigDir::WriteRegistryFile(const std::string& text) const {
  std::ofstream(RegistryFile(), std::ios::binary | std::ios::trunc) << text;
  Registry::Reload();
}

std::string ScopedConfigDir::ReadRegistryFile() const {
  std::ifstream in(RegistryFile(), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
