#include "platform/SafeFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

// Temporary files are named after their target: "registry.reg.tmp-Ab12Cd".
constexpr char kTemporaryMark[] = ".tmp-";
constexpr std::size_t kTemporarySuffixLength = 6;

FileIdentity IdentityFromStat(const struct stat& st) {
  FileIdentity id;
  id.exists = true;
  id.device = st.st_dev;
  id.inode = st.st_ino;
  id.size = static_cast<unsigned long long>(st.st_size);
  id.modifiedSeconds = st.st_mtim.tv_sec;
  id.modifiedNanoseconds = st.st_mtim.tv_nsec;
  id.changedSeconds = st.st_ctim.tv_sec;
  id.changedNanoseconds = st.st_ctim.tv_nsec;
  return id;
}

// The file a symbolic link at path points to; path itself otherwise.
std::string ResolveLink(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

mode_t NewFileMode(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Directory syncs done after a rename, for tests that check the new name reached the disk.
std::atomic<unsigned long> g_directorySyncs{0};

// Flushes the directory that holds path, so that a rename in it survives a power cut.
int SyncDirectoryOf(const std::string& path) {
  std::string directory = std::filesystem::path(path).parent_path().string();
  if (directory.empty()) directory = ".";
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  // Some file systems cannot sync a directory; the rename itself has been done all the same.
  if (error == EINVAL || error == EROFS) error = 0;
  if (!error) ++g_directorySyncs;
  return error;
}

}  // namespace

unsigned long DirectorySyncCount() { return g_directorySyncs.load(); }

FileIdentity IdentityOf(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 ? IdentityFromStat(st) : FileIdentity{};
}

FileImage ReadFileImage(const std::string& path, std::size_t limit) {
  FileImage image;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno != ENOENT) image.error = errno;
    return image;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    image.error = errno;
    ::close(fd);
    return image;
  }
  image.identity = IdentityFromStat(st);
  image.regular = S_ISREG(st.st_mode);
  std::vector<char> buffer(64 * 1024);
  while (image.regular && image.bytes.size() < limit) {
    ssize_t n = ::read(fd, buffer.data(), std::min(buffer.size(), limit - image.bytes.size()));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      image.error = errno;
      break;
    }
    if (n == 0) break;
    image.bytes.append(buffer.data(), static_cast<std::size_t>(n));
  }
  char extra;
  image.truncated = image.regular && image.bytes.size() >= limit && ::read(fd, &extra, 1) == 1;
  ::close(fd);
  return image;
}

int ReplaceFileContents(const std::string& path, std::string_view bytes, void (*beforeReplace)()) {
  std::string target = ResolveLink(path);
  std::string temporary = target + kTemporaryMark + "XXXXXX";
  int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return errno;
  int error = ::fchmod(fd, NewFileMode(target)) == 0 ? 0 : errno;
  if (!error) error = WriteAll(fd, bytes);
  if (!error && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && beforeReplace) beforeReplace();
  if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error) {
    ::unlink(temporary.c_str());
    return error;
  }
  // The new file is in place; a failed sync of its folder cannot undo that, so it is not reported.
  SyncDirectoryOf(target);
  return 0;
}

void RemoveLeftoverTemporaries(const std::string& path) {
  std::filesystem::path target(ResolveLink(path));
  std::string prefix = target.filename().string() + kTemporaryMark;
  std::error_code error;
  std::vector<std::filesystem::path> leftovers;
  for (const auto& entry : std::filesystem::directory_iterator(target.parent_path(), error)) {
    std::string name = entry.path().filename().string();
    if (name.size() == prefix.size() + kTemporarySuffixLength && name.compare(0, prefix.size(), prefix) == 0) {
      leftovers.push_back(entry.path());
    }
  }
  for (const auto& leftover : leftovers) std::filesystem::remove(leftover, error);
}

ExclusiveFileLock::ExclusiveFileLock(const std::string& lockPath) {
  m_fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (m_fd < 0) {
    m_error = errno;
    return;
  }
  while (::flock(m_fd, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    m_error = errno;
    ::close(m_fd);
    m_fd = -1;
    return;
  }
}

ExclusiveFileLock::~ExclusiveFileLock() {
  if (m_fd >= 0) {
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
  }
}
