// A directory only this process uses, made under the system's temporary
// directory ($TMPDIR, else /tmp) with owner-only permissions, and removed with
// everything in it when the object goes. For files that must carry a given
// name for a moment without touching any file of that name the user owns.
#pragma once

#include <string>

class CPrivateTempDirectory {
 public:
  CPrivateTempDirectory();
  ~CPrivateTempDirectory();
  CPrivateTempDirectory(const CPrivateTempDirectory&) = delete;
  CPrivateTempDirectory& operator=(const CPrivateTempDirectory&) = delete;

  // False when the directory could not be made.
  bool IsValid() const { return !m_path.empty(); }
  // The path of name inside the directory; empty when there is no directory.
  std::string File(const std::string& name) const;
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};
