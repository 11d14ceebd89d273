#include "explorer/dialogs/FileCreationTime.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>

std::string FileCreationTimeText(const std::string& path) {
  if (path.empty()) return {};
  struct statx status {};
  if (statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_MTIME, &status) != 0) return {};
  std::time_t seconds = (status.stx_mask & STATX_BTIME) ? static_cast<std::time_t>(status.stx_btime.tv_sec)
                                                        : static_cast<std::time_t>(status.stx_mtime.tv_sec);
  std::tm local {};
  if (!localtime_r(&seconds, &local)) return {};
  char text[128];
  std::size_t length = std::strftime(text, sizeof text, "%c", &local);
  return std::string(text, length);
}
