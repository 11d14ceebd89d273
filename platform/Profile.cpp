// The profile: entries of a section kept as values of the current-user key "Profile\<section>".
#include <climits>
#include <cstdint>
#include <optional>

#include "platform/Registry.h"

namespace {

std::string SectionKey(const std::string& section) { return "Profile\\" + section; }

// The leading number of text as a profile reads it: blanks, an optional sign,
// then decimal digits or 0x and hexadecimal digits. Nothing when there are no digits.
std::optional<UINT> LeadingNumber(const std::string& text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos) return std::nullopt;
  bool negative = false;
  if (text[i] == '-' || text[i] == '+') negative = text[i++] == '-';
  unsigned base = 10;
  if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) {
    base = 16;
    i += 2;
  }
  std::uint64_t value = 0;
  bool any = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    int digit = c >= '0' && c <= '9'                  ? c - '0'
                : base == 16 && c >= 'a' && c <= 'f' ? c - 'a' + 10
                : base == 16 && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
    if (digit < 0) break;
    value = std::min<std::uint64_t>(value * base + static_cast<unsigned>(digit), UINT_MAX);
    any = true;
  }
  if (!any) return base == 16 ? std::optional<UINT>(0) : std::nullopt;  // "0x" alone is the zero it starts with
  auto number = static_cast<UINT>(value);
  return negative ? static_cast<UINT>(0u - number) : number;
}

}  // namespace

UINT GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) {
  CRegKey key;
  if (key.Open(HKEY_CURRENT_USER, SectionKey(section), KEY_READ) == ERROR_SUCCESS) {
    DWORD number = 0;
    if (key.QueryDWORDValue(entry, number) == ERROR_SUCCESS) return number;
    std::string text;
    if (key.QueryStringValue(entry, text) == ERROR_SUCCESS) {
      if (auto parsed = LeadingNumber(text)) return *parsed;
    }
  }
  return static_cast<UINT>(defaultValue);
}

std::string GetProfileString(const std::string& section, const std::string& entry, const std::string& defaultValue) {
  CRegKey key;
  if (key.Open(HKEY_CURRENT_USER, SectionKey(section), KEY_READ) == ERROR_SUCCESS) {
    std::string text;
    if (key.QueryStringValue(entry, text) == ERROR_SUCCESS) return text;
    DWORD number = 0;
    if (key.QueryDWORDValue(entry, number) == ERROR_SUCCESS) return std::to_string(number);
  }
  return defaultValue;
}

bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) {
  CRegKey key;
  return key.Create(HKEY_CURRENT_USER, SectionKey(section)) == ERROR_SUCCESS &&
         key.SetStringValue(entry, value) == ERROR_SUCCESS;
}
