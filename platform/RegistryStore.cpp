#include "platform/RegistryStore.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/RegistryText.h"

namespace {

constexpr char kUserRootName[] = "HKEY_CURRENT_USER";
constexpr std::size_t kReadLimit = 64u << 20;  // a settings file is never near this; the rest of a larger one is ignored

RegistryTesting::Hook g_beforeReplace = nullptr;

std::string NonEmptyEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

std::string HomeDirectory() {
  std::string home = NonEmptyEnvironment("HOME");
  if (!home.empty()) return home;
  if (const passwd* entry = ::getpwuid(::getuid())) return entry->pw_dir ? entry->pw_dir : "";
  return {};
}

std::string FileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

// The report of one load, as LastLoadProblem tells it.
std::string DescribeLoad(const std::string& path, const FileImage& image, const RegistryParseReport& report) {
  if (image.error) return "cannot read " + path + ": " + std::strerror(image.error) + '\n';
  if (!image.regular) return path + " is not a regular file\n";
  std::string text;
  if (!report.Clean()) {
    text += FileName(path) + ": " + std::to_string(report.skippedLines) + " damaged lines skipped\n" +
            report.Describe();
  }
  if (image.truncated) text += FileName(path) + ": only the first " + std::to_string(kReadLimit) + " bytes were read\n";
  return text;
}

// Before a damaged file is rewritten without its unreadable lines, the original is kept beside it.
std::string KeepDamagedOriginal(const std::string& path, const FileImage& image) {
  std::string copy = path + ".damaged";
  ::unlink(copy.c_str());
  // A hard link keeps the whole original however long it was; a copy of what was read is the fallback.
  if (::linkat(AT_FDCWD, path.c_str(), AT_FDCWD, copy.c_str(), AT_SYMLINK_FOLLOW) != 0 &&
      ReplaceFileContents(copy, image.bytes) != 0) {
    return "the damaged original could not be kept\n";
  }
  return "the damaged original was kept as " + FileName(copy) + '\n';
}

}  // namespace

namespace Registry {
std::string UserStorePath() {
  std::string directory = NonEmptyEnvironment("VORTAN_CONFIG_DIR");
  if (directory.empty()) {
    std::string xdg = NonEmptyEnvironment("XDG_CONFIG_HOME");
    if (!xdg.empty() && xdg.front() == '/') {
      directory = xdg + "/vortan";
    } else {
      std::string home = HomeDirectory();
      if (home.empty()) return {};
      directory = home + "/.config/vortan";
    }
  }
  return directory + "/registry.reg";
}
}  // namespace Registry

namespace RegistryTesting {
Hook SetBeforeReplaceHook(Hook hook) {
  Hook previous = g_beforeReplace;
  g_beforeReplace = hook;
  return previous;
}
}  // namespace RegistryTesting

UserRegistryStore& UserRegistryStore::Instance() {
  static UserRegistryStore store;
  return store;
}

void UserRegistryStore::Refresh() {
  std::string path = Registry::UserStorePath();
  if (!m_loaded || path != m_loadedPath || IdentityOf(path) != m_identity) Load(path);
}

void UserRegistryStore::Reload() { Load(Registry::UserStorePath()); }

void UserRegistryStore::Load(const std::string& path) {
  FileImage image = path.empty() ? FileImage{} : ReadFileImage(path, kReadLimit);
  RegistryParseReport report;
  m_root = ParseRegistryText(image.bytes, kUserRootName, &report);
  m_problem = DescribeLoad(path, image, report);
  m_identity = image.identity;
  m_loadedPath = path;
  m_loaded = true;
}

LSTATUS UserRegistryStore::Change(const std::function<LSTATUS(RegistryKey& root)>& change) {
  std::string path = Registry::UserStorePath();
  if (path.empty()) return ERROR_WRITE_FAULT;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
  ExclusiveFileLock lock(path + ".lock");
  if (!lock.Held()) return ERROR_WRITE_FAULT;

  // The latest contents, which may hold another process's changes since our last load.
  FileImage image = ReadFileImage(path, kReadLimit);
  if (image.error || !image.regular) return ERROR_WRITE_FAULT;  // never overwrite what could not be read
  RegistryParseReport report;
  RegistryKey root = ParseRegistryText(image.bytes, kUserRootName, &report);
  std::string problem = DescribeLoad(path, image, report);

  LSTATUS status = change(root);
  if (status == ERROR_SUCCESS) {
    RemoveLeftoverTemporaries(path);  // from writers that died before replacing the file
    if (!problem.empty()) problem += KeepDamagedOriginal(path, image);
    if (ReplaceFileContents(path, FormatRegistryText(root, kUserRootName), g_beforeReplace) != 0) {
      return ERROR_WRITE_FAULT;
    }
    image.identity = IdentityOf(path);
  }
  m_root = std::move(root);
  m_problem = std::move(problem);
  m_identity = image.identity;
  m_loadedPath = path;
  m_loaded = true;
  return status;
}
