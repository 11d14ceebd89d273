// Comparing texts the way list and tree controls do: ASCII letters without
// regard to case, every other byte as it is.
#pragma once

#include <algorithm>
#include <cctype>
#include <string>

// Negative, zero or positive as a sorts before, with or after b.
inline int CompareNoCase(const std::string& a, const std::string& b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    int ca = std::tolower(static_cast<unsigned char>(a[i]));
    int cb = std::tolower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}
