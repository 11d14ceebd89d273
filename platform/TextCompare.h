// Comparing texts the way list and tree controls do: ASCII letters without
// regard to case, every other byte as it is.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

// 'A'..'Z' as 'a'..'z', every other byte unchanged; no locale is consulted.
constexpr unsigned char AsciiLower(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// Eight bytes at once, as AsciiLower does each.
constexpr std::uint64_t AsciiLower8(std::uint64_t bytes) {
  constexpr std::uint64_t ones = 0x0101010101010101ull;
  const std::uint64_t low7 = bytes & (0x7F * ones);            // no byte's sum below carries into the next
  const std::uint64_t atLeastA = low7 + (0x80 - 'A') * ones;   // top bit: at least 'A'
  const std::uint64_t aboveZ = low7 + (0x80 - 'Z' - 1) * ones;  // top bit: past 'Z'
  const std::uint64_t upper = atLeastA & ~aboveZ & ~bytes & (0x80 * ones);
  return bytes | (upper >> 2);  // 0x80 >> 2 is the 0x20 between the cases
}

namespace text_compare_detail {
// Bytes from..from+8 of text (fewer at its end, the rest 0) as one number.
inline std::uint64_t Chunk(std::string_view text, std::size_t from) {
  std::uint64_t chunk = 0;
  if (text.size() - from >= 8) {
    std::memcpy(&chunk, text.data() + from, 8);  // one load
  } else {
    for (std::size_t i = from; i < text.size(); ++i)
      chunk |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * (i - from));
  }
  return chunk;
}
}  // namespace text_compare_detail

// True when a and b differ at most in the case of ASCII letters.
inline bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); i += 8)
    if (AsciiLower8(text_compare_detail::Chunk(a, i)) != AsciiLower8(text_compare_detail::Chunk(b, i))) return false;
  return true;
}

// A hash that texts EqualNoCase share.
inline std::size_t HashNoCase(std::string_view text) {
  std::uint64_t h = 0x9E3779B97F4A7C15ull ^ text.size();
  for (std::size_t i = 0; i < text.size(); i += 8) {
    h = (h ^ AsciiLower8(text_compare_detail::Chunk(text, i))) * 0xBF58476D1CE4E5B9ull;
    h ^= h >> 31;
  }
  return static_cast<std::size_t>(h);
}

// Negative, zero or positive as a sorts before, with or after b.
inline int CompareNoCase(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char ca = AsciiLower(static_cast<unsigned char>(a[i]));
    const unsigned char cb = AsciiLower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

// The first 16 bytes of a text, letters lowered, packed into two numbers so
// that sorting many texts compares numbers rather than reading the texts.
// When two keys differ, they order their texts as CompareNoCase does; equal
// keys leave the order to CompareNoCase.
struct CaselessSortKey {
  std::uint64_t high = 0;  // bytes 0-7, the first in the top byte
  std::uint64_t low = 0;   // bytes 8-15; missing bytes count as 0

  static CaselessSortKey Of(std::string_view text) {
    CaselessSortKey key;
    for (std::size_t i = 0; i < 16; ++i) {
      const std::uint64_t byte = i < text.size() ? AsciiLower(static_cast<unsigned char>(text[i])) : 0;
      (i < 8 ? key.high : key.low) |= byte << (8 * (7 - i % 8));
    }
    return key;
  }
  friend bool operator==(const CaselessSortKey&, const CaselessSortKey&) = default;
  friend bool operator<(const CaselessSortKey& a, const CaselessSortKey& b) {
    return a.high != b.high ? a.high < b.high : a.low < b.low;
  }
};
