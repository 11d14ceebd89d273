#include "platform/Guid.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads `digits` hex digits starting at text[pos]; false when any is not hex.
bool ReadHex(std::string_view text, std::size_t pos, int digits, std::uint64_t& out) {
  out = 0;
  for (int i = 0; i < digits; ++i) {
    int v = HexValue(text[pos + i]);
    if (v < 0) return false;
    out = (out << 4) | static_cast<std::uint64_t>(v);
  }
  return true;
}

}  // namespace

std::optional<GUID> GUID::Parse(std::string_view text) {
  // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
  if (text.size() != 38 || text.front() != '{' || text.back() != '}') return std::nullopt;
  if (text[9] != '-' || text[14] != '-' || text[19] != '-' || text[24] != '-') return std::nullopt;
  GUID g;
  std::uint64_t v = 0;
  if (!ReadHex(text, 1, 8, v)) return std::nullopt;
  g.Data1 = static_cast<std::uint32_t>(v);
  if (!ReadHex(text, 10, 4, v)) return std::nullopt;
  g.Data2 = static_cast<std::uint16_t>(v);
  if (!ReadHex(text, 15, 4, v)) return std::nullopt;
  g.Data3 = static_cast<std::uint16_t>(v);
  static constexpr std::size_t kByteAt[8] = {20, 22, 25, 27, 29, 31, 33, 35};
  for (int i = 0; i < 8; ++i) {
    if (!ReadHex(text, kByteAt[i], 2, v)) return std::nullopt;
    g.Data4[i] = static_cast<std::uint8_t>(v);
  }
  return g;
}

GUID GUID::FromString(std::string_view text) {
  auto g = Parse(text);
  if (!g) throw std::invalid_argument("malformed class identifier: " + std::string(text));
  return *g;
}

std::string GUID::ToString() const {
  char buf[39];
  std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", Data1, Data2, Data3,
                Data4[0], Data4[1], Data4[2], Data4[3], Data4[4], Data4[5], Data4[6], Data4[7]);
  return buf;
}

int StringFromGUID2(REFGUID guid, char* buffer, int size) {
  std::string text = guid.ToString();
  if (!buffer || size < static_cast<int>(text.size()) + 1) return 0;
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return static_cast<int>(text.size()) + 1;
}

HRESULT CLSIDFromString(const char* text, GUID* out) {
  if (!text || !out) return E_INVALIDARG;
  auto g = GUID::Parse(text);
  if (!g) return E_INVALIDARG;
  *out = *g;
  return S_OK;
}
