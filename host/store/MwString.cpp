#include "host/store/MwString.h"

#include <charconv>
#include <cmath>

namespace {

constexpr int kDefaultDigits = 10;
constexpr int kMaxDigits = 17;

// Pads the mantissa of a "%g"-style text with zeros up to digits significant digits.
std::string KeepTrailingZeros(const std::string& text, int digits) {
  const std::size_t exponent = text.find('e');
  std::string mantissa = text.substr(0, exponent);
  const std::string tail = exponent == std::string::npos ? std::string() : text.substr(exponent);
  int significant = 0;
  bool leading = true;
  for (char c : mantissa) {
    if (c < '0' || c > '9') continue;
    if (leading && c == '0') continue;
    leading = false;
    ++significant;
  }
  if (significant == 0) significant = 1;  // zero itself counts one digit
  if (significant >= digits) return text;
  if (mantissa.find('.') == std::string::npos) mantissa += '.';
  mantissa.append(static_cast<std::size_t>(digits - significant), '0');
  return mantissa + tail;
}

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string MwString::FormatReal_S(double value, int digits, bool trim) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  if (value == 0.0) value = 0.0;  // no "-0"
  if (digits <= 0) digits = kDefaultDigits;
  if (digits > kMaxDigits) digits = kMaxDigits;
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
  std::string text(buffer, result.ptr);
  return trim ? text : KeepTrailingZeros(text, digits);
}

int MwString::AlphabeticDiff(const std::string& a, const std::string& b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char ca = static_cast<unsigned char>(Fold(a[i]));
    const unsigned char cb = static_cast<unsigned char>(Fold(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}
