// The current-user root and the file it lives in. Reads come from the cache;
// the cache is reloaded when a key is opened and the file has changed on disk
// (another process wrote it) or the configured location moved. Every change is
// made to the file's latest contents under an exclusive lock and written to a
// temporary file that replaces the file only once it is complete on disk.
#pragma once

#include <functional>
#include <string>

#include "platform/Registry.h"
#include "platform/RegistryTree.h"
#include "platform/SafeFile.h"

class UserRegistryStore {
 public:
  static UserRegistryStore& Instance();

  // Reloads when the configured path or the file's identity changed since the last load.
  void Refresh();
  void Reload();
  const RegistryKey& Root() const { return m_root; }

  // Applies change to the file's current contents and writes them back. A change
  // answering anything but ERROR_SUCCESS writes nothing and its answer is returned.
  // ERROR_WRITE_FAULT when the file cannot be written; the file is then unchanged.
  LSTATUS Change(const std::function<LSTATUS(RegistryKey& root)>& change);

  const std::string& LastLoadProblem() const { return m_problem; }

 private:
  UserRegistryStore() = default;
  void Load(const std::string& path);

  RegistryKey m_root;
  std::string m_loadedPath;
  bool m_loaded = false;
  FileIdentity m_identity;
  std::string m_problem;
};

namespace RegistryTesting {
// Called after the new contents are on disk and just before they replace the
// file; a test makes a child process die here. Returns the previous hook.
using Hook = void (*)();
Hook SetBeforeReplaceHook(Hook hook);
}  // namespace RegistryTesting
