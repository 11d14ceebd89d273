// Removing white space (blanks, tabs, line breaks) from the ends of a text, as
// the string class of the Win32 framework does.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

inline std::string TrimLeftText(const std::string& text) {
  std::size_t begin = text.find_first_not_of(kWhiteSpace);
  return begin == std::string::npos ? std::string() : text.substr(begin);
}

inline std::string TrimRightText(const std::string& text) {
  std::size_t end = text.find_last_not_of(kWhiteSpace);
  return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

inline std::string TrimText(const std::string& text) { return TrimLeftText(TrimRightText(text)); }
