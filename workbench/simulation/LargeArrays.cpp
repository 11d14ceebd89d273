#include "workbench/simulation/LargeArrays.h"

#include <cstdint>
#include <mutex>

#include <sys/mman.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

void AdviseLargePages(const void* data, std::size_t bytes) {
  constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
  if (bytes < kLargePage) return;  // smaller arrays fit the translation caches anyway
  const std::uintptr_t from = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t begin = (from + kLargePage - 1) & ~(kLargePage - 1);
  const std::uintptr_t end = (from + bytes) & ~(kLargePage - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);  // refused: small pages
}

void KeepFreedMemory() {
#if defined(__GLIBC__)
  static std::once_flag once;
  std::call_once(once, [] {
    // Arrays up to 32 MiB (the most glibc allows here) come from the heap rather than from
    // mappings of their own that are unmapped when freed, and up to 1 GiB freed at the heap's
    // top stays there.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
  });
#endif
}
