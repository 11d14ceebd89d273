#include "platform/PrivateTempDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

CPrivateTempDirectory::CPrivateTempDirectory() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/vortan-XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (::mkdtemp(buffer.data())) m_path = buffer.data();  // mkdtemp makes it with mode 0700
}

CPrivateTempDirectory::~CPrivateTempDirectory() {
  if (m_path.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

std::string CPrivateTempDirectory::File(const std::string& name) const {
  return m_path.empty() ? std::string() : m_path + "/" + name;
}
