// A class or interface identifier. Text form is the registry form:
// braced, upper-case hexadecimal with hyphens, {A93D72D0-75CD-11D0-8D84-00C0DF469D39}.
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Types.h"

struct GUID {
  std::uint32_t Data1 = 0;
  std::uint16_t Data2 = 0;
  std::uint16_t Data3 = 0;
  std::array<std::uint8_t, 8> Data4{};

  // Parses registry form. Anything else (missing braces, wrong length, a
  // non-hex digit, misplaced hyphens) gives no value at all.
  static std::optional<GUID> Parse(std::string_view text);
  // Like Parse, for a constant known to be well formed; throws std::invalid_argument otherwise.
  static GUID FromString(std::string_view text);

  std::string ToString() const;
  bool IsNull() const { return *this == GUID{}; }

  friend bool operator==(const GUID&, const GUID&) = default;
  friend auto operator<=>(const GUID&, const GUID&) = default;
};

using CLSID = GUID;
using IID = GUID;
using REFGUID = const GUID&;
using REFCLSID = const GUID&;
using REFIID = const GUID&;

inline constexpr GUID GUID_NULL{};

// Win32-shaped conversions. StringFromGUID2 writes the text and its terminator
// and returns the characters written including the terminator, 0 when it does not fit.
int StringFromGUID2(REFGUID guid, char* buffer, int size);
// S_OK and the identifier, or E_INVALIDARG with *out left unchanged.
HRESULT CLSIDFromString(const char* text, GUID* out);

template <>
struct std::hash<GUID> {
  std::size_t operator()(const GUID& g) const noexcept {
    std::uint64_t a = (std::uint64_t{g.Data1} << 32) | (std::uint64_t{g.Data2} << 16) | g.Data3;
    std::uint64_t b = 0;
    for (auto byte : g.Data4) b = (b << 8) | byte;
    return std::hash<std::uint64_t>{}(a * 0x9E3779B97F4A7C15ull ^ b);
  }
};
