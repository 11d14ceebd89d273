// Whole-file reads, crash-safe replacement of a file's contents, and an
// exclusive lock between processes. A replaced file is either the old one or
// the complete new one, never a mix: the new contents go to a temporary file in
// the same directory, are flushed to disk, and are renamed over the file,
// whose directory is then flushed too so that the rename itself is kept.
#pragma once

#include <string>
#include <string_view>

// What identifies one version of a file: any rewrite shows as a difference.
struct FileIdentity {
  bool exists = false;
  unsigned long long device = 0, inode = 0, size = 0;
  long long modifiedSeconds = 0, modifiedNanoseconds = 0, changedSeconds = 0, changedNanoseconds = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of the file at path (following links); exists is false when there is none.
FileIdentity IdentityOf(const std::string& path);

struct FileImage {
  FileIdentity identity;   // of the file as read
  int error = 0;           // errno of a failed read; a missing file is not an error
  bool regular = true;     // false for a directory or device at the path
  bool truncated = false;  // the file was longer than the limit; bytes holds its start
  std::string bytes;
};
FileImage ReadFileImage(const std::string& path, std::size_t limit);

// Replaces the contents of path (of the file a symbolic link there points to),
// keeping its permissions. beforeReplace, when given, runs just before the rename.
// Returns 0 or the errno of the step that failed; on failure the file is unchanged.
int ReplaceFileContents(const std::string& path, std::string_view bytes, void (*beforeReplace)() = nullptr);

// How many directories replacements have flushed after their rename (in this process).
unsigned long DirectorySyncCount();

// Removes temporary files that interrupted replacements of path left behind.
// Only for use while no other replacement of path can be under way (under its lock).
void RemoveLeftoverTemporaries(const std::string& path);

// Holds an exclusive advisory lock on lockPath (created when missing) for its lifetime.
class ExclusiveFileLock {
 public:
  explicit ExclusiveFileLock(const std::string& lockPath);
  ~ExclusiveFileLock();
  ExclusiveFileLock(const ExclusiveFileLock&) = delete;
  ExclusiveFileLock& operator=(const ExclusiveFileLock&) = delete;
  bool Held() const { return m_fd >= 0; }
  int Error() const { return m_error; }

 private:
  int m_fd = -1;
  int m_error = 0;
};
